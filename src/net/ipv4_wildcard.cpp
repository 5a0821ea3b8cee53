#include "net/ipv4_wildcard.h"

#include <bit>

namespace net {

OctetRuns WildcardOctetRuns(std::uint8_t address, std::uint8_t wildcard)
{
    const unsigned fixed = ~unsigned{wildcard} & 255u;
    const unsigned required = address & fixed;
    OctetRuns out;
    // A run is as long as the free bits below the lowest fixed one allow; the runs start
    // where the free bits above it count up, with the fixed bits held at their values.
    const unsigned runLength = 1u << std::countr_one(unsigned{wildcard});
    const unsigned countingBits = unsigned{wildcard} & ~(runLength - 1) & 255u;
    unsigned start = required;
    for (;;) {
        out.runs[std::size_t(out.count++)] = {std::uint8_t(start),
                                              std::uint8_t(start + runLength - 1)};
        const unsigned counted = ((start | (~countingBits & 255u)) + 1) & countingBits;
        if (counted == 0)
            break;
        start = required | counted;
    }
    return out;
}

std::uint64_t Ipv4Wildcard::matchCount() const
{
    return std::uint64_t{1} << std::popcount(wildcard.value());
}

std::optional<Ipv4Network> Ipv4Wildcard::network() const
{
    const auto length = Ipv4PrefixLengthOfMask(Ipv4Address(~wildcard.value()));
    if (!length)
        return std::nullopt;
    return Ipv4Network::containing(address, *length);
}

Ipv4Network Ipv4Wildcard::enclosingNetwork() const
{
    return Ipv4Network::containing(address, std::countl_zero(wildcard.value()));
}

OctetRuns Ipv4Wildcard::octetRuns(int octet) const
{
    return WildcardOctetRuns(address.octets()[std::size_t(octet)],
                             wildcard.octets()[std::size_t(octet)]);
}

} // namespace net
