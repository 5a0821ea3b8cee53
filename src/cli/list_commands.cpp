// next, split and range: the commands that answer with a list of networks.

#include "cli/cli_command.h"

#include "net/ipv4_cover.h"
#include "net/number_text.h"

namespace {

std::string Padded(std::string text, std::size_t width)
{
    if (text.size() < width)
        text.append(width - text.size(), ' ');
    return text;
}

std::string RightAligned(const std::string& text, std::size_t width)
{
    return text.size() < width ? std::string(width - text.size(), ' ') + text : text;
}

const std::string kRowsHeader = Padded("Network", 20) + Padded("First host", 17)
                                + Padded("Last host", 17) + RightAligned("Hosts", 10) + "  Broadcast\n";

// One subnet as a row: the columns in text, the typed values in JSON.
void AddRow(const net::Ipv4Network& network, bool rfc3021, std::string& text, JsonArray& rows)
{
    const std::optional<net::Ipv4Range> hosts = network.hosts(rfc3021);
    const std::uint64_t count = hosts ? hosts->size() : 0;
    const std::string first = hosts ? hosts->first.toString() : "-";
    const std::string last = hosts ? hosts->last.toString() : "-";
    text += Padded(network.toString(), 20) + Padded(first, 17) + Padded(last, 17)
            + RightAligned(std::to_string(count), 10) + "  " + network.broadcast().toString()
            + '\n';
    rows.push_back(JsonObject{{"network", network.address().toString()},
                              {"prefix_length", network.prefixLength()},
                              {"first_host", hosts ? JsonValue(first) : JsonValue()},
                              {"last_host", hosts ? JsonValue(last) : JsonValue()},
                              {"host_count", count},
                              {"broadcast", network.broadcast().toString()}});
}

CliOutcome AnsweredRows(const CommandArgs& args, const std::vector<net::Ipv4Network>& networks,
                        int length)
{
    const bool rfc3021 = args.has("--rfc3021");
    std::string text = kRowsHeader;
    JsonArray rows;
    for (const net::Ipv4Network& network : networks)
        AddRow(network, rfc3021, text, rows);
    const JsonObject json = {{"prefix_length", length}, {"subnets", std::move(rows)}};
    return Answered(args, std::move(text), json);
}

} // namespace

CliOutcome RunNext(const CommandArgs& args)
{
    if (args.positional.size() != 1)
        return Misused("expected ADDRESS/LEN");
    const ReadArgument<net::Ipv4Interface> start = ReadInterface(args.positional[0]);
    if (start.failure)
        return *start.failure;
    const auto found = args.values.find("--count");
    const std::string countText = found == args.values.end() ? "20" : found->second;
    const auto count = net::ParseWholeNumber(countText, kListLimit);
    if (!count || *count == 0) {
        return Refused("'-n " + countText + "': the count must be a number from 1 to "
                       + std::to_string(kListLimit));
    }
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
    if (args.positional.size() != 2)
        return Misused("expected NETWORK/LEN NEWLEN");
    const ReadArgument<net::Ipv4Interface> written = ReadInterface(args.positional[0]);
    if (written.failure)
        return *written.failure;
    const net::Ipv4Network network = written.value.network();
    if (network.address() != written.value.address) {
        return Refused("'" + args.positional[0] + "' is not a network address; the network is "
                       + network.toString());
    }
    const std::string& newLengthText = args.positional[1];
    const auto newLength = net::ParsePrefixLength(newLengthText, net::Ipv4Address::kBits);
    if (!newLength || *newLength < network.prefixLength()) {
        return Refused("'" + newLengthText + "': the new prefix length must be a number from "
                       + std::to_string(network.prefixLength()) + " to 32");
    }
    const std::uint64_t count = network.subnetCount(*newLength);
    if (count > kListLimit) {
        return Refused("'" + newLengthText + "': splitting /"
                       + std::to_string(network.prefixLength()) + " into /"
                       + std::to_string(*newLength) + " gives " + std::to_string(count)
                       + " subnets, more than " + std::to_string(kListLimit));
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
    const ReadArgument<net::Ipv4Address> first = ReadAddress(args.positional[0]);
    if (first.failure)
        return *first.failure;
    const ReadArgument<net::Ipv4Address> last = ReadAddress(args.positional[1]);
    if (last.failure)
        return *last.failure;
    if (first.value > last.value) {
        return Refused("'" + args.positional[0] + "' is above '" + args.positional[1]
                       + "': FIRST must not be above LAST");
    }
    std::string text;
    JsonArray prefixes;
    for (const net::Ipv4Network& network : net::Ipv4CoverOfRange(first.value, last.value)) {
        text += network.toString() + '\n';
        prefixes.emplace_back(network.toString());
    }
    const JsonObject json = {{"first", first.value.toString()},
                             {"last", last.value.toString()},
                             {"address_count", net::Ipv4Range{first.value, last.value}.size()},
                             {"prefixes", std::move(prefixes)}};
    return Answered(args, std::move(text), json);
}
