#pragma once

// Which special-purpose block of the IANA IPv4 registries an address falls in. Blocks
// that are globally reachable and routed like any other (AS112, AMT) count as public.

#include "cli/cli_output.h"

#include <QString>

#include <cstdint>

struct SpecialBlock
{
    QString category; // "private-use", "loopback", ..., "public"
    QString prefix;   // "10.0.0.0/8"; empty for public addresses
    QString name;     // the registry's name; empty for public addresses
};

SpecialBlock SpecialBlockOf(std::uint32_t address);

// The block as a summary shows it: one text line, and the category, prefix and name as
// JSON keys.
QList<Field> BlockFields(std::uint32_t address);
