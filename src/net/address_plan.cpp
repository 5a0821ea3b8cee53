#include "net/address_plan.h"

#include "net/ipv4_sets.h"
#include "net/ipv6_sets.h"
#include "net/number_text.h"

#include <algorithm>
#include <bit>
#include <cassert>

namespace net {

namespace {

// A sum of blocks, which may pass 2^128 when needs overrun a large parent: `carries`
// counts the whole 2^128s above `low`.
struct BlockTotal
{
    UInt128 low;
    std::uint64_t carries = 0;

    void add(int hostBits)
    {
        assert(hostBits >= 0 && hostBits <= 128);
        if (hostBits == 128) {
            ++carries;
            return;
        }
        const UInt128 before = low;
        low += UInt128(1) << hostBits;
        if (low < before)
            ++carries;
    }

    // Whether the sum is above 2^bits.
    bool above(int bits) const
    {
        if (bits == 128)
            return carries > 1 || (carries == 1 && low != 0);
        return carries > 0 || low > (UInt128(1) << bits);
    }
};

// The sum less 2^bits, when the sum is above it.
void SetMissing(PlanAnswer& answer, const BlockTotal& total, int bits)
{
    answer.problem = PlanProblem::DoesNotFit;
    if (total.carries == 0) {
        answer.missing = AddressCount::span(1, total.low - (UInt128(1) << bits));
        return;
    }
    if (total.carries == 1 && bits == 128) {
        answer.missing = AddressCount::span(1, total.low);
        return;
    }
    if (total.carries == 1 && total.low < (UInt128(1) << bits)) {
        // 2^128 + low - 2^bits, which is 2^128 less the part of the parent low leaves.
        answer.missing = AddressCount::span((UInt128(1) << bits) - total.low, UInt128::max());
        return;
    }
    answer.missing = AddressCount::powerOfTwo(128);
    answer.missingAtLeast = true;
}

UInt128 CapacityOf(const IpNetwork& network, bool rfc3021)
{
    if (network.family() == IpFamily::Ipv4) {
        const auto hosts = network.ipv4().hosts(rfc3021);
        return hosts ? UInt128(hosts->size()) : UInt128(0);
    }
    const int length = network.prefixLength();
    return length <= 64 ? UInt128(1) << (64 - length) : UInt128(0);
}

IpNetwork BlockAt(const IpNetwork& parent, UInt128 first, int hostBits)
{
    return IpNetwork::containing(parent.family(), first, parent.bits() - hostBits);
}

// The free space is what is left of the parent once the allocations are taken out.
std::vector<IpNetwork> FreeSpace(const IpNetwork& parent,
                                 const std::vector<PlanAllocation>& allocations)
{
    std::vector<IpNetwork> free;
    if (parent.family() == IpFamily::Ipv4) {
        std::vector<Ipv4Network> taken;
        taken.reserve(allocations.size());
        for (const PlanAllocation& allocation : allocations)
            taken.push_back(allocation.network.ipv4());
        for (const Ipv4Network& network : Ipv4Exclude(parent.ipv4(), taken))
            free.emplace_back(network);
    } else {
        std::vector<Ipv6Network> taken;
        taken.reserve(allocations.size());
        for (const PlanAllocation& allocation : allocations)
            taken.push_back(allocation.network.ipv6());
        for (const Ipv6Network& network : Ipv6Exclude(parent.ipv6(), taken))
            free.emplace_back(network);
    }
    return free;
}

PlanAnswer PlanVlsm(const Plan& plan)
{
    const IpNetwork& parent = plan.parent;
    const IpFamily family = parent.family();
    PlanAnswer answer;
    std::vector<std::size_t> order(plan.needs.size());
    std::vector<int> hostBits(plan.needs.size());
    for (std::size_t k = 0; k < plan.needs.size(); ++k) {
        order[k] = k;
        hostBits[k] = NeedBlockBits(family, plan.needs[k].size, plan.rfc3021);
        if (hostBits[k] < 0) {
            answer.problem = PlanProblem::BadNeedLength;
            answer.need = k;
            return answer;
        }
    }
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return hostBits[a] > hostBits[b]; });

    const int parentBits = parent.bits() - parent.prefixLength();
    BlockTotal total;
    for (const std::size_t k : order) {
        total.add(hostBits[k]);
        if (answer.need == kNoNeed && total.above(parentBits))
            answer.need = k;
    }
    if (answer.need != kNoNeed) {
        SetMissing(answer, total, parentBits);
        return answer;
    }

    UInt128 next = parent.first();
    for (const std::size_t k : order) {
        PlanAllocation allocation;
        allocation.need = k;
        allocation.network = BlockAt(parent, next, hostBits[k]);
        allocation.capacity = CapacityOf(allocation.network, plan.rfc3021);
        const NeedSize& size = plan.needs[k].size;
        if (size.unit == NeedSize::Unit::Count)
            allocation.unused =
                allocation.capacity - std::min(allocation.capacity, UInt128(size.value));
        answer.allocations.push_back(allocation);
        next += UInt128(1) << hostBits[k];
    }
    answer.free = FreeSpace(parent, answer.allocations);
    return answer;
}

// `count` networks of 2^hostBits addresses from the bottom of the parent.
PlanAnswer PlanEqual(const Plan& plan, std::uint64_t count, int hostBits)
{
    PlanAnswer answer;
    UInt128 next = plan.parent.first();
    for (std::uint64_t k = 0; k < count; ++k) {
        PlanAllocation allocation;
        allocation.network = BlockAt(plan.parent, next, hostBits);
        allocation.capacity = CapacityOf(allocation.network, plan.rfc3021);
        answer.allocations.push_back(allocation);
        next += UInt128(1) << hostBits;
    }
    answer.free = FreeSpace(plan.parent, answer.allocations);
    return answer;
}

PlanAnswer Refusal(PlanProblem problem)
{
    PlanAnswer answer;
    answer.problem = problem;
    return answer;
}

// The addresses a block of 2^hostBits takes beyond the parent.
PlanAnswer Overrun(const IpNetwork& parent, int hostBits)
{
    PlanAnswer answer;
    BlockTotal total;
    total.add(hostBits);
    SetMissing(answer, total, parent.bits() - parent.prefixLength());
    return answer;
}

PlanAnswer PlanSplitByLength(const Plan& plan)
{
    const IpNetwork& parent = plan.parent;
    if (plan.splitLength < 0 || plan.splitLength > parent.bits())
        return Refusal(PlanProblem::BadSplitLength);
    const int hostBits = parent.bits() - plan.splitLength;
    if (plan.splitLength < parent.prefixLength())
        return Overrun(parent, hostBits);
    const int countBits = plan.splitLength - parent.prefixLength();
    if (countBits >= 63 || (std::uint64_t(1) << countBits) > kPlanNetworkLimit)
        return Refusal(PlanProblem::TooManyNetworks);
    return PlanEqual(plan, std::uint64_t(1) << countBits, hostBits);
}

PlanAnswer PlanSplitByCount(const Plan& plan)
{
    const IpNetwork& parent = plan.parent;
    if (plan.splitCount == 0)
        return Refusal(PlanProblem::NoNetworks);
    if (plan.splitCount > kPlanNetworkLimit)
        return Refusal(PlanProblem::TooManyNetworks);
    const int countBits = std::bit_width(plan.splitCount - 1);
    const int parentBits = parent.bits() - parent.prefixLength();
    if (countBits > parentBits)
        return Overrun(parent, countBits);
    return PlanEqual(plan, plan.splitCount, parentBits - countBits);
}

} // namespace

Parsed<NeedSize> NeedSize::parse(std::string_view text)
{
    if (text.empty())
        return ParseError::Empty;
    if (text.front() == '/') {
        const auto length = ParsePrefixLength(text.substr(1), Ipv6Address::kBits);
        if (!length)
            return length.error() == ParseError::OutOfRange ? ParseError::BadPrefixLength
                                                            : length.error();
        return NeedSize::prefixLength(*length);
    }
    const auto count = ParseWholeNumber(text, std::numeric_limits<std::uint64_t>::max());
    if (!count)
        return count.error();
    return NeedSize::count(*count);
}

std::string NeedSize::toString() const
{
    return (unit == Unit::PrefixLength ? "/" : "") + std::to_string(value);
}

int NeedBlockBits(IpFamily family, const NeedSize& size, bool rfc3021)
{
    const int bits = AddressBits(family);
    if (size.unit == NeedSize::Unit::PrefixLength)
        return size.value > std::uint64_t(bits) ? -1 : bits - int(size.value);
    const std::uint64_t count = std::max<std::uint64_t>(size.value, 1);
    if (family == IpFamily::Ipv6)
        return 64 + std::bit_width(count - 1);
    if (rfc3021 && count <= 2)
        return count == 2 ? 1 : 0;
    // The smallest power of two of at least count + 2 addresses.
    return 128 - (UInt128(count) + 1).countlZero();
}

PlanAnswer PlanAddresses(const Plan& plan)
{
    switch (plan.mode) {
    case PlanMode::Vlsm:
        return PlanVlsm(plan);
    case PlanMode::SplitByLength:
        return PlanSplitByLength(plan);
    case PlanMode::SplitByCount:
        return PlanSplitByCount(plan);
    }
    return {};
}

} // namespace net
