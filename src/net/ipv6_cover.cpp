#include "net/ipv6_cover.h"

#include <algorithm>

namespace net {

std::vector<Ipv6Network> Ipv6CoverOfRange(Ipv6Address first, Ipv6Address last)
{
    std::vector<Ipv6Network> networks;
    UInt128 next = first.value();
    for (;;) {
        const UInt128 span = last.value() - next; // addresses left, minus one
        // The largest power of two not above span + 1, which may be 2^128.
        const int fitting = span == UInt128::max() ? 128 : 127 - (span + 1).countlZero();
        const int aligned = next.countrZero();
        const int hostBits = std::min(fitting, aligned);
        const auto network = Ipv6Network::containing(Ipv6Address(next), 128 - hostBits);
        networks.push_back(network);
        if (network.last() == last)
            return networks;
        next = network.last().value() + 1;
    }
}

} // namespace net
