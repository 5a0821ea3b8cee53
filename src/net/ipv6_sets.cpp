#include "net/ipv6_sets.h"

#include "net/ipv6_cover.h"
#include "net/range_set.h"

namespace net {

namespace {

std::vector<Ipv6Network> CoverOf(const std::vector<Ipv6Range>& runs)
{
    return detail::CoverOfRuns<Ipv6Network>(runs, Ipv6CoverOfRange);
}

} // namespace

std::vector<Ipv6Network> Ipv6Merge(std::span<const Ipv6Range> ranges)
{
    return CoverOf(detail::FusedRanges(std::vector<Ipv6Range>(ranges.begin(), ranges.end())));
}

std::vector<Ipv6Network> Ipv6Merge(std::span<const Ipv6Network> networks)
{
    return CoverOf(detail::FusedRanges(detail::RangesOf(networks)));
}

std::vector<Ipv6Network> Ipv6Exclude(const Ipv6Network& network,
                                     std::span<const Ipv6Network> excluded)
{
    return CoverOf(
        detail::GapsWithin(network.range(), detail::FusedRanges(detail::RangesOf(excluded))));
}

} // namespace net
