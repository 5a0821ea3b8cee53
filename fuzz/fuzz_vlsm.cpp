// Variable-length subnetting on any parent and needs: the plan is refused exactly when
// the rounded sizes overrun the parent, by that many addresses; otherwise every need has
// a network that holds it and no smaller one would, inside the parent, in address order,
// and with the unused networks they tile the parent without gap or overlap.

#include "fuzz_helpers.h"

#include "net/address_plan.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    const auto parent =
        net::Ipv4Network::containing(net::Ipv4Address(in.uint32()), in.intIn(0, 32));
    const bool rfc3021 = in.byte() & 1;
    std::vector<std::uint32_t> needs;
    while (!in.empty() && needs.size() < 64) {
        // Mostly small needs, so that plans fit often, and sometimes any 32-bit one.
        const std::uint8_t kind = in.byte();
        needs.push_back(kind < 240 ? 1 + (in.uint32() >> (kind % 32)) : std::max(1u, in.uint32()));
    }
    const QString detail = QString::fromStdString(parent.toString()) + " needs " +
                           QString::number(needs.size()) + (rfc3021 ? " rfc3021" : "");

    net::Plan plan;
    plan.parent = parent;
    plan.rfc3021 = rfc3021;
    std::uint64_t total = 0;
    for (const std::uint32_t need : needs) {
        plan.needs.push_back({"", net::NeedSize::count(need)});
        total += std::uint64_t{1} << net::NeedBlockBits(net::IpFamily::Ipv4, plan.needs.back().size,
                                                        rfc3021);
    }
    const auto answer = net::PlanAddresses(plan);
    FUZZ_CHECK(answer.fits() == (total <= parent.addressCount()), detail);
    if (!answer.fits()) {
        FUZZ_CHECK(answer.missing == net::AddressCount(total - parent.addressCount()), detail);
        return 0;
    }
    FUZZ_CHECK(answer.allocations.size() == needs.size(), detail);
    std::uint64_t next = parent.address().value();
    for (const auto& allocation : answer.allocations) {
        const net::Ipv4Network network = allocation.network.ipv4();
        const std::uint32_t hosts = needs[allocation.need];
        const std::uint64_t count = network.addressCount();
        const bool pointToPoint = rfc3021 && count <= 2;
        FUZZ_CHECK((pointToPoint ? count : count - 2) >= hosts, detail);
        const std::uint64_t half = count / 2;
        const bool halfHolds = half >= 4 ? half - 2 >= hosts : rfc3021 && half >= hosts;
        FUZZ_CHECK(count == 1 || !halfHolds, detail);
        FUZZ_CHECK(network.address().value() >= next && parent.contains(network), detail);
        next = std::uint64_t{network.broadcast().value()} + 1;
    }
    for (const auto& free : answer.free) {
        const net::Ipv4Network unused = free.ipv4();
        FUZZ_CHECK(unused.address().value() == next && parent.contains(unused), detail);
        next = std::uint64_t{unused.broadcast().value()} + 1;
    }
    FUZZ_CHECK(next == std::uint64_t{parent.broadcast().value()} + 1, detail);
    return 0;
}
