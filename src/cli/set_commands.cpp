// contains, merge and exclude: the set operations on address lists that scripts need, in
// either family, on the core's Ipv4Merge/Ipv6Merge and Ipv4Exclude/Ipv6Exclude.

#include "cli/cli_command.h"

#include "net/ipv4_sets.h"
#include "net/ipv6_sets.h"

#include <algorithm>

namespace {

// An argument of contains: a network strictly, or an address as its own one-address network.
template <typename Network>
ReadArgument<Network> ReadMember(const std::string& argument,
                                 ReadArgument<Network> (*readNetwork)(const std::string&))
{
    if (argument.find('/') != std::string::npos)
        return readNetwork(argument);
    return readNetwork(argument + (IsIpv6Argument(argument) ? "/128" : "/32"));
}

CliOutcome OtherFamily(const std::string& a, const std::string& b)
{
    return Refused("'" + a + "' and '" + b + "' are not of one address family");
}

template <typename Network>
CliOutcome AnsweredContains(const CommandArgs& args,
                            ReadArgument<Network> (*readNetwork)(const std::string&))
{
    const ReadArgument<Network> outer = readNetwork(args.positional[0]);
    if (outer.failure)
        return *outer.failure;
    std::vector<bool> inside;
    for (std::size_t k = 1; k < args.positional.size(); ++k) {
        const std::string& argument = args.positional[k];
        if (IsIpv6Argument(argument) != IsIpv6Argument(args.positional[0]))
            return OtherFamily(args.positional[0], argument);
        const ReadArgument<Network> member = ReadMember(argument, readNetwork);
        if (member.failure)
            return *member.failure;
        inside.push_back(outer.value.contains(member.value));
    }
    const bool all = std::find(inside.begin(), inside.end(), false) == inside.end();
    const auto text = [&] {
        std::string lines;
        for (std::size_t k = 0; k < inside.size(); ++k) {
            lines += args.positional[k + 1] + (inside[k] ? " is in " : " is not in ") +
                     outer.value.toString() + '\n';
        }
        return lines;
    };
    const auto json = [&] {
        JsonArray members;
        for (std::size_t k = 0; k < inside.size(); ++k) {
            members.emplace_back(
                JsonObject{{"argument", args.positional[k + 1]}, {"contained", bool(inside[k])}});
        }
        return JsonObject{{"network", outer.value.toString()},
                          {"contained", all},
                          {"arguments", std::move(members)}};
    };
    CliOutcome outcome = Answered(args, text, json);
    outcome.status = all ? 0 : kStatusRefused;
    return outcome;
}

CliOutcome AnsweredPrefixes(const CommandArgs& args, JsonObject head,
                            const std::vector<std::string>& prefixes)
{
    const auto text = [&] {
        std::string lines;
        lines.reserve(prefixes.size() * 20);
        for (const std::string& prefix : prefixes)
            (lines += prefix) += '\n';
        return lines;
    };
    const auto json = [&] {
        JsonArray array(prefixes.begin(), prefixes.end());
        head.emplace_back("prefixes", std::move(array));
        return head;
    };
    return Answered(args, text, json);
}

template <typename Network>
void AppendTexts(std::vector<std::string>& texts, const std::vector<Network>& networks)
{
    for (const Network& network : networks)
        texts.push_back(network.toString());
}

// FIRST-LAST, both of one family and FIRST not above LAST.
template <typename Range, typename Address>
ReadArgument<Range> ReadRange(const std::string& argument, std::size_t dash,
                              ReadArgument<Address> (*readAddress)(std::string_view))
{
    const ReadArgument<Address> first = readAddress(argument.substr(0, dash));
    if (first.failure)
        return {{}, first.failure};
    const ReadArgument<Address> last = readAddress(argument.substr(dash + 1));
    if (last.failure)
        return {{}, last.failure};
    if (last.value < first.value)
        return {{}, Refused("'" + argument + "': FIRST must not be above LAST")};
    return {{first.value, last.value}, std::nullopt};
}

template <typename Network>
std::vector<Network> ReadNetworks(const CommandArgs& args,
                                  ReadArgument<Network> (*readNetwork)(const std::string&),
                                  std::optional<CliOutcome>& failure)
{
    std::vector<Network> networks;
    for (std::size_t k = 1; k < args.positional.size() && !failure; ++k) {
        const ReadArgument<Network> read = readNetwork(args.positional[k]);
        failure = read.failure;
        networks.push_back(read.value);
    }
    return networks;
}

template <typename Network>
CliOutcome
AnsweredExclude(const CommandArgs& args, ReadArgument<Network> (*readNetwork)(const std::string&),
                std::vector<Network> (*exclude)(const Network&, std::span<const Network>))
{
    const ReadArgument<Network> whole = readNetwork(args.positional[0]);
    if (whole.failure)
        return *whole.failure;
    for (std::size_t k = 1; k < args.positional.size(); ++k) {
        if (IsIpv6Argument(args.positional[k]) != IsIpv6Argument(args.positional[0]))
            return OtherFamily(args.positional[0], args.positional[k]);
    }
    std::optional<CliOutcome> failure;
    const std::vector<Network> excluded = ReadNetworks(args, readNetwork, failure);
    if (failure)
        return *failure;
    std::vector<std::string> texts;
    AppendTexts(texts, exclude(whole.value, excluded));
    return AnsweredPrefixes(args, {{"network", whole.value.toString()}}, texts);
}

} // namespace

CliOutcome RunContains(const CommandArgs& args)
{
    if (args.positional.size() < 2)
        return Misused("expected NETWORK ADDRESS|NETWORK...");
    return IsIpv6Argument(args.positional[0]) ? AnsweredContains(args, ReadIpv6Network)
                                              : AnsweredContains(args, ReadNetwork);
}

CliOutcome RunMerge(const CommandArgs& args)
{
    if (args.positional.empty())
        return Misused("expected NETWORK|FIRST-LAST...");
    std::vector<net::Ipv4Range> ipv4;
    std::vector<net::Ipv6Range> ipv6;
    for (const std::string& argument : args.positional) {
        const bool isIpv6 = IsIpv6Argument(argument);
        const std::size_t dash = argument.find('-');
        std::optional<CliOutcome> failure;
        if (dash != std::string::npos && isIpv6) {
            const auto range = ReadRange<net::Ipv6Range>(argument, dash, ReadIpv6Address);
            failure = range.failure;
            ipv6.push_back(range.value);
        } else if (dash != std::string::npos) {
            const auto range = ReadRange<net::Ipv4Range>(argument, dash, ReadAddress);
            failure = range.failure;
            ipv4.push_back(range.value);
        } else if (isIpv6) {
            const auto network = ReadIpv6Network(argument);
            failure = network.failure;
            ipv6.push_back(network.value.range());
        } else {
            const auto network = ReadNetwork(argument);
            failure = network.failure;
            ipv4.push_back(network.value.range());
        }
        if (failure)
            return *failure;
    }
    std::vector<std::string> texts;
    texts.reserve(ipv4.size() + ipv6.size());
    AppendTexts(texts, net::Ipv4Merge(ipv4));
    AppendTexts(texts, net::Ipv6Merge(ipv6));
    return AnsweredPrefixes(args, {}, texts);
}

CliOutcome RunExclude(const CommandArgs& args)
{
    if (args.positional.size() < 2)
        return Misused("expected NETWORK EXCLUDED...");
    if (IsIpv6Argument(args.positional[0]))
        return AnsweredExclude<net::Ipv6Network>(args, ReadIpv6Network, net::Ipv6Exclude);
    return AnsweredExclude<net::Ipv4Network>(args, ReadNetwork, net::Ipv4Exclude);
}
