#pragma once

// An address and a wildcard mask, as access lists write them: a 1 bit in the wildcard
// may take any value, a 0 bit must equal the address's bit. The mask need not be
// contiguous, so the matching addresses form a set, not always a network.

#include "net/ipv4_network.h"

#include <array>
#include <cstdint>
#include <optional>

namespace net {

// A run of consecutive octet values, first to last inclusive.
struct OctetRun
{
    std::uint8_t first;
    std::uint8_t last;

    friend constexpr bool operator==(const OctetRun&, const OctetRun&) = default;
};

// The values one octet matches, as maximal runs in ascending order; at most 128.
struct OctetRuns
{
    std::array<OctetRun, 128> runs{};
    int count = 0;

    const OctetRun* begin() const { return runs.data(); }
    const OctetRun* end() const { return runs.data() + count; }
};

OctetRuns WildcardOctetRuns(std::uint8_t address, std::uint8_t wildcard);

struct Ipv4Wildcard
{
    Ipv4Address address;
    Ipv4Address wildcard;

    constexpr bool matches(Ipv4Address a) const
    {
        return ((a.value() ^ address.value()) & ~wildcard.value()) == 0;
    }
    // 1 to 2^32.
    std::uint64_t matchCount() const;
    // The network the matches form when the wildcard is contiguous (zeros, then ones).
    std::optional<Ipv4Network> network() const;
    // The smallest network that holds every match.
    Ipv4Network enclosingNetwork() const;
    OctetRuns octetRuns(int octet) const;
};

} // namespace net
