#include "net/ipv4_sets.h"

#include "net/ipv4_cover.h"
#include "net/range_set.h"

namespace net {

namespace {

std::vector<Ipv4Network> CoverOf(const std::vector<Ipv4Range>& runs)
{
    return detail::CoverOfRuns<Ipv4Network>(runs, Ipv4CoverOfRange);
}

} // namespace

std::vector<Ipv4Network> Ipv4Merge(std::span<const Ipv4Range> ranges)
{
    return CoverOf(detail::FusedRanges(std::vector<Ipv4Range>(ranges.begin(), ranges.end())));
}

std::vector<Ipv4Network> Ipv4Merge(std::span<const Ipv4Network> networks)
{
    return CoverOf(detail::FusedRanges(detail::RangesOf(networks)));
}

std::vector<Ipv4Network> Ipv4Exclude(const Ipv4Network& network,
                                     std::span<const Ipv4Network> excluded)
{
    return CoverOf(
        detail::GapsWithin(network.range(), detail::FusedRanges(detail::RangesOf(excluded))));
}

} // namespace net
