#pragma once

// The arithmetic under the set operations of both families, written once over any
// address type with value() and the range type {first, last} of its family: ranges sorted
// and fused, and the gaps a set leaves inside one range. The prefixes come from the
// family's cover of a range, and since no prefix can straddle two runs that do not touch,
// covering each maximal run with its fewest prefixes gives the fewest for the whole set.

#include <algorithm>
#include <span>
#include <vector>

namespace net::detail {

// Sorted by first address, overlapping and touching ranges fused: each maximal run once.
template <typename Range> std::vector<Range> FusedRanges(std::vector<Range> ranges)
{
    std::sort(ranges.begin(), ranges.end(),
              [](const Range& a, const Range& b) { return a.first < b.first; });
    std::vector<Range> fused;
    for (const Range& range : ranges) {
        // "starts at most one past the end" without computing last + 1, which wraps at the
        // top of the address space; a range that starts at 0 already overlaps after sorting.
        if (!fused.empty() && (range.first.value() <= fused.back().last.value() ||
                               range.first.value() - 1 == fused.back().last.value())) {
            fused.back().last = std::max(fused.back().last, range.last);
            continue;
        }
        fused.push_back(range);
    }
    return fused;
}

// The parts of `whole` that no range of `taken` holds; `taken` must be fused.
template <typename Range>
std::vector<Range> GapsWithin(const Range& whole, const std::vector<Range>& taken)
{
    using Address = decltype(Range{}.first);
    std::vector<Range> gaps;
    auto next = whole.first.value(); // the lowest address not yet placed
    bool done = false;               // past whole.last, which next cannot say without wrapping
    for (const Range& range : taken) {
        if (range.last < whole.first || whole.last < range.first)
            continue;
        if (next < range.first.value())
            gaps.push_back({Address(next), Address(range.first.value() - 1)});
        if (range.last.value() >= whole.last.value()) {
            done = true;
            break;
        }
        next = std::max(next, range.last.value() + 1);
    }
    if (!done)
        gaps.push_back({Address(next), whole.last});
    return gaps;
}

// The address ranges of networks, in their order.
template <typename Network> auto RangesOf(std::span<const Network> networks)
{
    std::vector<decltype(networks.front().range())> ranges;
    ranges.reserve(networks.size());
    for (const Network& network : networks)
        ranges.push_back(network.range());
    return ranges;
}

// The fewest prefixes holding exactly the addresses of fused ranges, in address order.
template <typename Network, typename Range, typename Cover>
std::vector<Network> CoverOfRuns(const std::vector<Range>& runs, Cover cover)
{
    std::vector<Network> networks;
    networks.reserve(runs.size());
    for (const Range& run : runs) {
        const auto part = cover(run.first, run.last);
        networks.insert(networks.end(), part.begin(), part.end());
    }
    return networks;
}

} // namespace net::detail
