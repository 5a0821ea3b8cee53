// next, split and range: the commands that answer with a list of networks.

#include "cli/cli_command.h"

#include "net/ipv4_cover.h"
#include "net/ipv6_cover.h"
#include "net/number_text.h"

namespace {

const std::string kRowsHeader = Padded("Network", 20) + Padded("First host", 17) +
                                Padded("Last host", 17) + RightAligned("Hosts", 10) +
                                "  Broadcast\n";

// One subnet as a row: the columns in text, the typed values in JSON.
std::string TextRow(const net::Ipv4Network& network, const std::optional<net::Ipv4Range>& hosts)
{
    return Padded(network.toString(), 20) + Padded(hosts ? hosts->first.toString() : "-", 17) +
           Padded(hosts ? hosts->last.toString() : "-", 17) +
           RightAligned(std::to_string(hosts ? hosts->size() : 0), 10) + "  " +
           network.broadcast().toString() + '\n';
}

JsonObject JsonRow(const net::Ipv4Network& network, const std::optional<net::Ipv4Range>& hosts)
{
    return {{"network", network.address().toString()},
            {"prefix_length", network.prefixLength()},
            {"first_host", hosts ? JsonValue(hosts->first.toString()) : JsonValue()},
            {"last_host", hosts ? JsonValue(hosts->last.toString()) : JsonValue()},
            {"host_count", hosts ? hosts->size() : std::uint64_t{0}},
            {"broadcast", network.broadcast().toString()}};
}

CliOutcome AnsweredRows(const CommandArgs& args, const std::vector<net::Ipv4Network>& networks,
                        int length)
{
    const bool rfc3021 = args.pointToPoint();
    const auto text = [&] {
        std::string rows = kRowsHeader;
        for (const net::Ipv4Network& network : networks)
            rows += TextRow(network, network.hosts(rfc3021));
        return rows;
    };
    const auto json = [&] {
        JsonArray rows;
        for (const net::Ipv4Network& network : networks)
            rows.emplace_back(JsonRow(network, network.hosts(rfc3021)));
        return JsonObject{{"prefix_length", length}, {"subnets", std::move(rows)}};
    };
    return Answered(args, text, json);
}

// FIRST LAST of one family: the fewest prefixes that cover the range exactly.
template <typename Address, typename Cover, typename CountOf>
CliOutcome AnsweredRange(const CommandArgs& args, ReadArgument<Address> (*read)(std::string_view),
                         Cover cover, CountOf countOf)
{
    const ReadArgument<Address> first = read(args.positional[0]);
    if (first.failure)
        return *first.failure;
    const ReadArgument<Address> last = read(args.positional[1]);
    if (last.failure)
        return *last.failure;
    if (first.value > last.value) {
        return Refused("'" + args.positional[0] + "' is above '" + args.positional[1] +
                       "': FIRST must not be above LAST");
    }
    const auto networks = cover(first.value, last.value);
    const auto text = [&] {
        std::string lines;
        for (const auto& network : networks)
            lines += network.toString() + '\n';
        return lines;
    };
    const auto json = [&] {
        JsonArray prefixes;
        for (const auto& network : networks)
            prefixes.emplace_back(network.toString());
        return JsonObject{{"first", first.value.toString()},
                          {"last", last.value.toString()},
                          {"address_count", countOf(first.value, last.value)},
                          {"prefixes", std::move(prefixes)}};
    };
    return Answered(args, text, json);
}

} // namespace

CliOutcome RunNext(const CommandArgs& args)
{
    if (args.positional.size() != 1)
        return Misused("expected ADDRESS/LEN");
    const auto found = args.values.find("--count");
    const std::string countText = found == args.values.end() ? "20" : found->second;
    const auto count = net::ParseWholeNumber(countText, kListLimit);
    if (!count || *count == 0) {
        return Refused("'-n " + countText + "': the count must be a number from 1 to " +
                       std::to_string(kListLimit));
    }
    if (IsIpv6Argument(args.positional[0]))
        return RunNextIpv6(args, *count);
    const ReadArgument<net::Ipv4Interface> start = ReadInterface(args.positional[0]);
    if (start.failure)
        return *start.failure;
    std::vector<net::Ipv4Network> networks;
    std::optional<net::Ipv4Network> network = start.value.network();
    while (network && networks.size() < *count) {
        networks.push_back(*network);
        network = network->next();
    }
    return AnsweredRows(args, networks, start.value.prefixLength);
}

CliOutcome RunSplit(const CommandArgs& args)
{
    if (args.values.contains("--count"))
        return RunSplitByCount(args);
    if (args.positional.size() != 2)
        return Misused("expected NETWORK/LEN NEWLEN");
    if (IsIpv6Argument(args.positional[0]))
        return RunSplitIpv6(args);
    const ReadArgument<net::Ipv4Network> written = ReadNetwork(args.positional[0]);
    if (written.failure)
        return *written.failure;
    const net::Ipv4Network& network = written.value;
    const std::string& newLengthText = args.positional[1];
    const auto newLength = net::ParsePrefixLength(newLengthText, net::Ipv4Address::kBits);
    if (!newLength || *newLength < network.prefixLength()) {
        return Refused("'" + newLengthText + "': the new prefix length must be a number from " +
                       std::to_string(network.prefixLength()) + " to 32");
    }
    const std::uint64_t count = network.subnetCount(*newLength);
    if (count > kListLimit) {
        return Refused("'" + newLengthText + "': splitting /" +
                       std::to_string(network.prefixLength()) + " into /" +
                       std::to_string(*newLength) + " gives " + std::to_string(count) +
                       " subnets, more than " + std::to_string(kListLimit));
    }
    std::vector<net::Ipv4Network> networks;
    networks.reserve(count);
    for (std::uint64_t index = 0; index < count; ++index)
        networks.push_back(network.subnet(*newLength, index));
    return AnsweredRows(args, networks, *newLength);
}

CliOutcome RunRange(const CommandArgs& args)
{
    if (args.positional.size() != 2)
        return Misused("expected FIRST LAST");
    if (IsIpv6Argument(args.positional[0]) != IsIpv6Argument(args.positional[1])) {
        return Refused("'" + args.positional[0] + "' and '" + args.positional[1] +
                       "' are not of one address family");
    }
    if (IsIpv6Argument(args.positional[0])) {
        return AnsweredRange(args, ReadIpv6Address, net::Ipv6CoverOfRange,
                             [](net::Ipv6Address first, net::Ipv6Address last) {
                                 return ExactNumber(
                                     net::AddressCount::span(first.value(), last.value()));
                             });
    }
    return AnsweredRange(args, ReadAddress, net::Ipv4CoverOfRange,
                         [](net::Ipv4Address first, net::Ipv4Address last) {
                             return JsonValue(net::Ipv4Range{first, last}.size());
                         });
}
