#pragma once

// The subnet engine's inputs for an address the command line has already checked, made
// from its octet texts the way the subnet tab makes them from its boxes: the binary
// octets and the class the first octet gives.

#include "subnet/engine.h"

#include <array>

SubnetInputs EngineInputs(const std::array<QString, 4>& octets, int length, bool rfc3021);

// The usable addresses of a subnet: none for /31 unless read as RFC 3021 point-to-point,
// the one address of a /32 host route, otherwise all but network and broadcast.
struct HostSpan
{
    QString first; // empty when there are no hosts
    QString last;
    qint64 count = 0;
};

HostSpan HostsOf(const SubnetResult& result, int length, bool rfc3021);
