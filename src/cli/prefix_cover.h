#pragma once

// The fewest prefixes that together hold exactly the addresses first..last: from the
// bottom, each time the largest block that starts there and does not pass the end.

#include <QList>

#include <cstdint>

struct Prefix
{
    std::uint32_t network;
    int length;

    bool operator==(const Prefix&) const = default;
};

// first must not be above last.
QList<Prefix> CoveringPrefixes(std::uint32_t first, std::uint32_t last);
