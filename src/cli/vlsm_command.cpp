// vlsm NETWORK HOSTS...: networks sized for each count of hosts, carved out of NETWORK
// largest first, shown in address order with the space left over.

#include "cli/cli_command.h"

#include "net/number_text.h"
#include "net/vlsm.h"

namespace {

const std::string kHeader = Padded("Network", 20) + RightAligned("Needed", 10) +
                            RightAligned("Hosts", 12) + "  " + Padded("First host", 17) +
                            Padded("Last host", 17) + "Broadcast\n";

} // namespace

CliOutcome RunVlsm(const CommandArgs& args)
{
    if (args.values.contains("--plan"))
        return RunVlsmPlan(args);
    if (args.positional.size() < 2)
        return Misused("expected NETWORK/LEN HOSTS...");
    if (const auto refusal = RefuseIpv6("vlsm", args))
        return *refusal;
    const ReadArgument<net::Ipv4Network> written = ReadNetwork(args.positional[0]);
    if (written.failure)
        return *written.failure;
    const net::Ipv4Network& parent = written.value;
    std::vector<std::uint32_t> needs;
    for (std::size_t k = 1; k < args.positional.size(); ++k) {
        const auto need = net::ParseWholeNumber(args.positional[k], 0xFFFFFFFFu);
        if (!need || *need == 0) {
            return Refused("'" + args.positional[k] +
                           "': a count of hosts must be a number from 1 to 4294967295");
        }
        needs.push_back(std::uint32_t(*need));
    }
    const bool rfc3021 = args.has("--rfc3021");
    const net::VlsmPlan plan = net::PlanVlsm(parent, needs, rfc3021);
    if (!plan.fits()) {
        const std::uint64_t missing = plan.missingAddresses;
        const std::uint64_t needed = parent.addressCount() + missing;
        return Refused("the networks for these hosts take " + std::to_string(needed) +
                       " addresses and " + parent.toString() + " holds " +
                       std::to_string(parent.addressCount()) + ": " + std::to_string(missing) +
                       (missing == 1 ? " address" : " addresses") + " missing");
    }

    const auto text = [&] {
        std::string rows = kHeader;
        for (const net::VlsmAllocation& allocation : plan.allocations) {
            const net::Ipv4Network& network = allocation.network;
            // A fitting network always has hosts: a /31 or /32 only under RFC 3021.
            const net::Ipv4Range hosts = *network.hosts(rfc3021);
            rows += Padded(network.toString(), 20) +
                    RightAligned(std::to_string(allocation.hosts), 10) +
                    RightAligned(std::to_string(hosts.size()), 12) + "  " +
                    Padded(hosts.first.toString(), 17) + Padded(hosts.last.toString(), 17) +
                    network.broadcast().toString() + '\n';
        }
        std::string unused;
        for (const net::Ipv4Network& network : plan.unused)
            unused += (unused.empty() ? "" : " ") + network.toString();
        return rows + "\nUnused: " + (unused.empty() ? std::string("none") : unused) + '\n';
    };
    const auto json = [&] {
        JsonArray subnets;
        for (const net::VlsmAllocation& allocation : plan.allocations) {
            const net::Ipv4Network& network = allocation.network;
            const net::Ipv4Range hosts = *network.hosts(rfc3021);
            subnets.emplace_back(JsonObject{{"hosts_needed", std::uint64_t{allocation.hosts}},
                                            {"network", network.address().toString()},
                                            {"prefix_length", network.prefixLength()},
                                            {"first_host", hosts.first.toString()},
                                            {"last_host", hosts.last.toString()},
                                            {"host_count", hosts.size()},
                                            {"broadcast", network.broadcast().toString()}});
        }
        JsonArray unused;
        for (const net::Ipv4Network& network : plan.unused)
            unused.emplace_back(network.toString());
        return JsonObject{{"network", parent.toString()},
                          {"rfc3021", rfc3021},
                          {"subnets", std::move(subnets)},
                          {"unused", std::move(unused)}};
    };
    return Answered(args, text, json);
}
