#include "cli/prefix_cover.h"

QList<Prefix> CoveringPrefixes(std::uint32_t first, std::uint32_t last)
{
    QList<Prefix> prefixes;
    // 64 bits, so the step past 255.255.255.255 ends the loop instead of wrapping to 0.
    std::uint64_t next = first;
    while (next <= last) {
        int length = 32;
        while (length > 0) {
            const std::uint64_t size = std::uint64_t{1} << (33 - length);
            if (next % size != 0 || next + size - 1 > last)
                break;
            --length;
        }
        prefixes.append({static_cast<std::uint32_t>(next), length});
        next += std::uint64_t{1} << (32 - length);
    }
    return prefixes;
}
