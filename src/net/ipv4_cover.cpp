#include "net/ipv4_cover.h"

#include <algorithm>
#include <bit>

namespace net {

std::vector<Ipv4Network> Ipv4CoverOfRange(Ipv4Address first, Ipv4Address last)
{
    std::vector<Ipv4Network> cover;
    // 64 bits, so the step past 255.255.255.255 ends the loop instead of wrapping to 0.
    std::uint64_t next = first.value();
    const std::uint64_t end = std::uint64_t{last.value()} + 1;
    while (next < end) {
        // The block may be no larger than the alignment of its start allows, nor than
        // what is left of the range.
        const int aligned = next == 0 ? 32 : std::countr_zero(next);
        const int fits = std::bit_width(end - next) - 1;
        const int hostBits = std::min(aligned, fits);
        cover.push_back(Ipv4Network::containing(Ipv4Address(std::uint32_t(next)), 32 - hostBits));
        next += std::uint64_t{1} << hostBits;
    }
    return cover;
}

} // namespace net
