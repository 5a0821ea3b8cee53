#include "net/vlsm.h"

#include <algorithm>
#include <bit>

namespace net {

std::uint64_t VlsmBlockSize(std::uint32_t hosts, bool rfc3021)
{
    // No network is smaller than one address, whatever a need of 0 asks for.
    if (rfc3021 && hosts <= 2)
        return std::max(hosts, 1u);
    return std::bit_ceil(std::uint64_t{hosts} + 2);
}

VlsmPlan PlanVlsm(const Ipv4Network& parent, std::span<const std::uint32_t> hosts, bool rfc3021)
{
    std::vector<VlsmAllocation> order;
    order.reserve(hosts.size());
    std::uint64_t total = 0;
    for (const std::uint32_t need : hosts) {
        order.push_back({need, {}});
        total += VlsmBlockSize(need, rfc3021);
    }
    VlsmPlan plan;
    if (total > parent.addressCount()) {
        plan.missingAddresses = total - parent.addressCount();
        return plan;
    }
    std::stable_sort(order.begin(), order.end(), [rfc3021](const auto& a, const auto& b) {
        return VlsmBlockSize(a.hosts, rfc3021) > VlsmBlockSize(b.hosts, rfc3021);
    });
    std::uint64_t next = parent.address().value();
    for (VlsmAllocation& allocation : order) {
        const std::uint64_t size = VlsmBlockSize(allocation.hosts, rfc3021);
        allocation.network =
            Ipv4Network::containing(Ipv4Address(std::uint32_t(next)), 32 - std::countr_zero(size));
        next += size;
    }
    plan.allocations = std::move(order);
    // What is left is the top of the parent, a whole power of two less the used sizes; each
    // of its one bits, smallest first, is a block aligned where the previous one ends.
    std::uint64_t left = parent.addressCount() - total;
    while (left != 0) {
        const std::uint64_t size = left & (~left + 1);
        plan.unused.push_back(
            Ipv4Network::containing(Ipv4Address(std::uint32_t(next)), 32 - std::countr_zero(size)));
        next += size;
        left -= size;
    }
    return plan;
}

} // namespace net
