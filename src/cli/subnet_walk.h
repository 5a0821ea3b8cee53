#pragma once

// Consecutive subnets of one prefix length, each row as the subnet list report shows it
// (network, host range, broadcast), found the way the subnet tab steps: the octets are
// stepped by the tab's stepping plan and each subnet recalculated by its engine. The
// prefix length stays as given; a list ends early at the end of the address space.

#include <QList>
#include <QString>

#include <cstdint>

struct SubnetRow
{
    QString network;
    QString hosts; // "first to last", the report's Valid Hosts
    QString broadcast;
};

QList<SubnetRow> WalkSubnets(std::uint32_t start, int length, qint64 count);
