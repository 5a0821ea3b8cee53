// vlsm NETWORK SIZE...: networks sized for each need, carved out of NETWORK largest first,
// and split NETWORK --count N: N equal networks, N rounded up to a power of two. Both are
// one plan of the core's, shown in address order with the space left over.

#include "cli/cli_command.h"

#include "net/address_plan.h"
#include "net/number_text.h"

namespace {

const std::string kIpv4Header = Padded("Network", 20) + RightAligned("Needed", 10) +
                                RightAligned("Hosts", 12) + "  " + Padded("First host", 17) +
                                Padded("Last host", 17) + "Broadcast\n";
const std::string kIpv6Header = Padded("Network", 44) + RightAligned("Needed", 10) +
                                RightAligned("/64 networks", 22) + "  Last address\n";

std::string Quoted(const std::string& text)
{
    return "'" + text + "'";
}

// Reads the sizes after NETWORK: counts from 1 (hosts for IPv4, /64 networks for IPv6) or
// "/n" for a network of that length.
std::optional<CliOutcome> ReadNeeds(const CommandArgs& args, net::IpFamily family,
                                    std::vector<net::PlanNeed>& needs)
{
    const bool ipv4 = family == net::IpFamily::Ipv4;
    const int bits = net::AddressBits(family);
    for (std::size_t k = 1; k < args.positional.size(); ++k) {
        const std::string& text = args.positional[k];
        const auto size = net::NeedSize::parse(text);
        const bool count = size && size->unit == net::NeedSize::Unit::Count;
        if (!size || (count && size->value == 0) || (ipv4 && count && size->value > 0xFFFFFFFFu)) {
            return Refused(Quoted(text) +
                           (ipv4 ? ": a count of hosts must be a number from 1 to 4294967295, "
                                 : ": a count of /64 networks must be a number from 1 to "
                                   "9999999999999999999, ") +
                           "or /n for a network of prefix length n");
        }
        if (!count && size->value > std::uint64_t(bits))
            return Refused(Quoted(text) + ": the prefix length must be a number from 0 to " +
                           std::to_string(bits));
        needs.push_back({text, *size});
    }
    return std::nullopt;
}

// Why the plan has no answer, in one line.
CliOutcome Refusal(const net::Plan& plan, const net::PlanAnswer& answer)
{
    const std::string parent = plan.parent.toString();
    switch (answer.problem) {
    case net::PlanProblem::DoesNotFit:
        break;
    case net::PlanProblem::TooManyNetworks:
        return Refused("more than " + std::to_string(net::kPlanNetworkLimit) + " networks");
    default:
        return Refused("no networks to make");
    }
    const bool ipv4 = plan.parent.family() == net::IpFamily::Ipv4;
    const std::string networks =
        plan.mode == net::PlanMode::Vlsm
            ? (ipv4 ? "the networks for these hosts" : "the networks for these needs")
            : std::to_string(plan.splitCount) + " equal networks";
    const std::string missing = answer.missing.toString();
    const bool one = answer.missing == net::AddressCount(1) && !answer.missingAtLeast;
    std::string text;
    if (ipv4) {
        // Both counts stay far inside 64 bits for IPv4.
        const std::uint64_t holds = *plan.parent.addressCount().toUint64();
        text = networks + " take " + std::to_string(holds + *answer.missing.toUint64()) +
               " addresses and " + parent + " holds " + std::to_string(holds) + ": " + missing +
               (one ? " address" : " addresses") + " missing";
    } else {
        text = networks + " overrun " + parent + " by " +
               (answer.missingAtLeast ? "more than " : "") + missing +
               (one ? " address" : " addresses");
    }
    if (answer.need != net::kNoNeed) {
        text += "; size " + std::to_string(answer.need + 1) + ", " +
                Quoted(plan.needs[answer.need].name) + ", is the first with no room left";
    }
    return Refused(text);
}

CliOutcome AnsweredPlan(const CommandArgs& args, const net::Plan& plan)
{
    const net::PlanAnswer answer = net::PlanAddresses(plan);
    if (!answer.fits())
        return Refusal(plan, answer);
    const bool ipv4 = plan.parent.family() == net::IpFamily::Ipv4;
    const auto neededText = [&](const net::PlanAllocation& allocation) {
        return allocation.need == net::kNoNeed ? std::string("-")
                                               : plan.needs[allocation.need].size.toString();
    };

    const auto text = [&] {
        std::string rows = ipv4 ? kIpv4Header : kIpv6Header;
        for (const net::PlanAllocation& allocation : answer.allocations) {
            if (ipv4) {
                const net::Ipv4Network network = allocation.network.ipv4();
                const auto hosts = network.hosts(plan.rfc3021);
                rows += Padded(network.toString(), 20) + RightAligned(neededText(allocation), 10) +
                        RightAligned(std::to_string(hosts ? hosts->size() : 0), 12) + "  " +
                        Padded(hosts ? hosts->first.toString() : "-", 17) +
                        Padded(hosts ? hosts->last.toString() : "-", 17) +
                        network.broadcast().toString() + '\n';
            } else {
                const net::Ipv6Network network = allocation.network.ipv6();
                const bool counted = network.prefixLength() <= 64;
                rows += Padded(network.toString(), 44) + RightAligned(neededText(allocation), 10) +
                        RightAligned(counted ? allocation.capacity.toString() : "-", 22) + "  " +
                        network.last().toString() + '\n';
            }
        }
        std::string unused;
        for (const net::IpNetwork& network : answer.free)
            unused += (unused.empty() ? "" : " ") + network.toString();
        return rows + "\nUnused: " + (unused.empty() ? std::string("none") : unused) + '\n';
    };
    const auto json = [&] {
        JsonArray subnets;
        for (const net::PlanAllocation& allocation : answer.allocations) {
            JsonObject row;
            if (allocation.need != net::kNoNeed) {
                const net::NeedSize& size = plan.needs[allocation.need].size;
                if (size.unit == net::NeedSize::Unit::PrefixLength)
                    row.emplace_back("length_needed", int(size.value));
                else if (ipv4)
                    row.emplace_back("hosts_needed", size.value);
                else
                    row.emplace_back("networks_64_needed", ExactNumber(net::UInt128(size.value)));
            }
            if (ipv4) {
                const net::Ipv4Network network = allocation.network.ipv4();
                const auto hosts = network.hosts(plan.rfc3021);
                row.emplace_back("network", network.address().toString());
                row.emplace_back("prefix_length", network.prefixLength());
                row.emplace_back("first_host",
                                 hosts ? JsonValue(hosts->first.toString()) : JsonValue());
                row.emplace_back("last_host",
                                 hosts ? JsonValue(hosts->last.toString()) : JsonValue());
                row.emplace_back("host_count", hosts ? hosts->size() : std::uint64_t{0});
                row.emplace_back("broadcast", network.broadcast().toString());
            } else {
                const net::Ipv6Network network = allocation.network.ipv6();
                row.emplace_back("network", network.address().toString());
                row.emplace_back("prefix_length", network.prefixLength());
                row.emplace_back("last_address", network.last().toString());
                row.emplace_back("address_count", ExactNumber(network.addressCount()));
                row.emplace_back("networks_64", network.prefixLength() <= 64
                                                    ? ExactNumber(allocation.capacity)
                                                    : JsonValue());
            }
            subnets.emplace_back(std::move(row));
        }
        JsonArray unused;
        for (const net::IpNetwork& network : answer.free)
            unused.emplace_back(network.toString());
        JsonObject object{{"network", plan.parent.toString()}};
        if (plan.mode == net::PlanMode::SplitByCount)
            object.emplace_back("count", plan.splitCount);
        if (ipv4)
            object.emplace_back("rfc3021", plan.rfc3021);
        object.emplace_back("subnets", std::move(subnets));
        object.emplace_back("unused", std::move(unused));
        return object;
    };
    return Answered(args, text, json);
}

// NETWORK of either family, written as its own network address.
std::optional<CliOutcome> ReadParent(const std::string& argument, net::Plan& plan)
{
    if (IsIpv6Argument(argument)) {
        const ReadArgument<net::Ipv6Network> written = ReadIpv6Network(argument);
        if (written.failure)
            return written.failure;
        plan.parent = written.value;
    } else {
        const ReadArgument<net::Ipv4Network> written = ReadNetwork(argument);
        if (written.failure)
            return written.failure;
        plan.parent = written.value;
    }
    return std::nullopt;
}

} // namespace

CliOutcome RunVlsm(const CommandArgs& args)
{
    if (args.values.contains("--plan")) {
        const ReadArgument<net::Plan> saved = ReadSavedPlan(args);
        return saved.failure ? *saved.failure : AnsweredPlan(args, saved.value);
    }
    if (args.positional.size() < 2)
        return Misused("expected NETWORK/LEN SIZES...");
    net::Plan plan;
    if (auto refusal = ReadParent(args.positional[0], plan))
        return *refusal;
    plan.rfc3021 = args.has("--rfc3021");
    if (auto refusal = ReadNeeds(args, plan.parent.family(), plan.needs))
        return *refusal;
    return AnsweredPlan(args, plan);
}

CliOutcome RunSplitByCount(const CommandArgs& args)
{
    if (args.positional.size() != 1)
        return Misused("expected NETWORK/LEN --count N");
    net::Plan plan;
    if (auto refusal = ReadParent(args.positional[0], plan))
        return *refusal;
    plan.mode = net::PlanMode::SplitByCount;
    // Read as split reads a /31: two hosts unless --no-rfc3021.
    plan.rfc3021 = args.pointToPoint();
    const std::string& countText = args.values.at("--count");
    const auto count = net::ParseWholeNumber(countText, kListLimit);
    if (!count || *count == 0)
        return Refused(Quoted(countText) + ": the count of networks must be a number from 1 to " +
                       std::to_string(kListLimit));
    plan.splitCount = *count;
    return AnsweredPlan(args, plan);
}
