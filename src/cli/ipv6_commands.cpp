// The IPv6 side of subnet, next, split, range and decimal: an argument with a ':' in it
// is IPv6, and the command answers in the same shapes as for IPv4, less what IPv6 has
// not (masks, broadcast, host counts that leave out two addresses, classes).

#include "cli/cli_command.h"

#include "net/ipv6_special.h"
#include "net/number_text.h"
#include "net/reverse_zone.h"

#include <algorithm>

namespace {

// The one wording of every reason an IPv6 argument is refused, with the character where
// the fault begins so a long address need not be searched by eye.
std::string RefusalText(std::string_view argument, const net::Ipv6ParseFault& fault)
{
    using Reason = net::Ipv6ParseReason;
    const std::string quoted = "'" + std::string(argument) + "'";
    const std::string group = "group " + std::to_string(fault.group);
    const std::string written = std::to_string(fault.groupCount);
    std::string why;
    switch (fault.reason) {
    case Reason::Empty:
        return "an empty IPv6 address";
    case Reason::ZoneIndex:
        return quoted + ": a zone index (the part from '%') names a link of this host, "
                        "not an address; leave it out";
    case Reason::Ipv4Address:
        return quoted + " is an IPv4 address, not an IPv6 one";
    case Reason::PrefixLengthEmpty:
    case Reason::PrefixLengthNotNumber:
    case Reason::PrefixLengthLeadingZero:
    case Reason::PrefixLengthTooLarge:
        return quoted + ": the prefix length must be a number from 0 to 128";
    case Reason::HostBitsSet:
        return quoted + ": bits are set beyond the prefix length";
    case Reason::BadCharacter:
        why = "'" + std::string(fault.part(argument)) + "' is not a hex digit";
        break;
    case Reason::ColonRun:
        why = "three or more colons in a row";
        break;
    case Reason::MoreThanOneGap:
        why = "more than one '::'";
        break;
    case Reason::LeadingColon:
        why = "it starts with a single ':'";
        break;
    case Reason::TrailingColon:
        why = "it ends with a single ':'";
        break;
    case Reason::GroupTooLong:
        why = group + " has " + std::to_string(fault.length) + " digits, at most 4 are allowed";
        break;
    case Reason::Ipv4NotLast:
        why = "a dotted IPv4 part may only end the address";
        break;
    case Reason::Ipv4Malformed:
        why = "the dotted IPv4 part is not four numbers";
        break;
    case Reason::Ipv4LeadingZero:
        why = "the dotted IPv4 part has a number with a leading zero";
        break;
    case Reason::Ipv4OutOfRange:
        why = "the dotted IPv4 part has a number above 255";
        break;
    case Reason::TooFewGroups:
        why = written + " groups and no '::', an address has 8";
        break;
    case Reason::TooManyGroups:
        why = "more than 8 groups";
        break;
    case Reason::GapWithoutRoom:
        why = "'::' beside 8 groups stands for none";
        break;
    }
    return quoted + " is not an IPv6 address: " + why + " (at character " +
           std::to_string(fault.characterPosition(argument) + 1) + ")";
}

const std::string kRowsHeader = Padded("Network", 44) + Padded("Last address", 40) + "Addresses\n";

CliOutcome AnsweredRows(const CommandArgs& args, const std::vector<net::Ipv6Network>& networks,
                        int length)
{
    const auto text = [&] {
        std::string rows = kRowsHeader;
        for (const net::Ipv6Network& network : networks) {
            rows += Padded(network.toString(), 44) + Padded(network.last().toString(), 40) +
                    network.addressCount().toString() + '\n';
        }
        return rows;
    };
    const auto json = [&] {
        JsonArray rows;
        for (const net::Ipv6Network& network : networks) {
            rows.emplace_back(JsonObject{{"network", network.address().toString()},
                                         {"prefix_length", network.prefixLength()},
                                         {"last_address", network.last().toString()},
                                         {"address_count", ExactNumber(network.addressCount())}});
        }
        return JsonObject{{"prefix_length", length}, {"subnets", std::move(rows)}};
    };
    return Answered(args, text, json);
}

// The 128 bits in their eight groups.
std::string BinaryGroups(const net::Ipv6Address& address)
{
    std::string text;
    for (const std::uint16_t group : address.groups()) {
        if (!text.empty())
            text += ':';
        for (int bit = 15; bit >= 0; --bit)
            text += char('0' + ((group >> bit) & 1));
    }
    return text;
}

void AddAddressFields(FieldSink& fields, const net::Ipv6Address& address)
{
    const auto mapped = address.mappedIpv4();
    fields.add("address", "Address", address.toString());
    fields.add("address_expanded", "Expanded", address.toExpandedString());
    fields.add("ipv4_mapped", mapped ? "IPv4-mapped" : "",
               mapped ? FieldValue(mapped->toString()) : FieldValue());
}

} // namespace

bool IsIpv6Argument(std::string_view argument)
{
    return argument.find(':') != std::string_view::npos;
}

ReadArgument<net::Ipv6Address> ReadIpv6Address(std::string_view argument)
{
    const auto address = net::Ipv6Address::parseDetailed(argument);
    if (!address)
        return {{}, Refused(RefusalText(argument, address.error()))};
    return {*address, std::nullopt};
}

ReadArgument<net::Ipv6Interface> ReadIpv6Interface(const std::string& argument)
{
    const auto written = net::Ipv6Interface::parseDetailed(argument);
    if (!written)
        return {{}, Refused(RefusalText(argument, written.error()))};
    return {*written, std::nullopt};
}

// Beyond 2^53 a JSON number loses digits in most readers (JavaScript, jq), so larger
// numbers go as their decimal digits in a string.
constexpr std::uint64_t kExactInJson = std::uint64_t{1} << 53;

JsonValue ExactNumber(const net::AddressCount& count)
{
    const auto small = count.toUint64();
    if (small && *small <= kExactInJson)
        return *small;
    return count.toString();
}

JsonValue ExactNumber(net::UInt128 number)
{
    if (number <= net::UInt128(kExactInJson))
        return number.low();
    return number.toString();
}

std::optional<CliOutcome> RefuseIpv6(std::string_view command, const CommandArgs& args)
{
    for (const std::string& argument : args.positional) {
        if (IsIpv6Argument(argument))
            return Refused("'" + argument + "': " + std::string(command) + " works on IPv4 only");
    }
    return std::nullopt;
}

CliOutcome RunSubnetIpv6(const CommandArgs& args)
{
    if (args.positional.size() != 1)
        return Misused("expected ADDRESS/LEN (an IPv6 address takes no mask)");
    const ReadArgument<net::Ipv6Interface> written = ReadIpv6Interface(args.positional[0]);
    if (written.failure)
        return *written.failure;
    const net::Ipv6Network network = written.value.network();
    return AnsweredFields(args, [&](FieldSink& fields) {
        AddAddressFields(fields, written.value.address);
        AddBlockFields(fields, network);
        fields.add("prefix_length", "Prefix length", network.prefixLength());
        fields.add("network", "Network", network.address().toString());
        fields.add("cidr", "", network.toString());
        fields.add("last_address", "Last address", network.last().toString());
        fields.add("address_count", "Addresses", ExactNumber(network.addressCount()));
        fields.add("reverse_zone", "Reverse zone", net::ReverseZone(network));
        if (args.has("--binary")) {
            fields.add("address_binary", "Address (binary)", BinaryGroups(written.value.address));
            fields.add("network_binary", "Network (binary)", BinaryGroups(network.address()));
        }
    });
}

CliOutcome RunNextIpv6(const CommandArgs& args, std::uint64_t count)
{
    const ReadArgument<net::Ipv6Interface> start = ReadIpv6Interface(args.positional[0]);
    if (start.failure)
        return *start.failure;
    std::vector<net::Ipv6Network> networks;
    std::optional<net::Ipv6Network> network = start.value.network();
    while (network && networks.size() < count) {
        networks.push_back(*network);
        network = network->next();
    }
    return AnsweredRows(args, networks, start.value.prefixLength);
}

CliOutcome RunSplitIpv6(const CommandArgs& args)
{
    const ReadArgument<net::Ipv6Network> written = ReadIpv6Network(args.positional[0]);
    if (written.failure)
        return *written.failure;
    const net::Ipv6Network& network = written.value;
    const std::string& newLengthText = args.positional[1];
    const auto newLength = net::ParsePrefixLength(newLengthText, net::Ipv6Address::kBits);
    if (!newLength || *newLength < network.prefixLength()) {
        return Refused("'" + newLengthText + "': the new prefix length must be a number from " +
                       std::to_string(network.prefixLength()) + " to 128");
    }
    const net::AddressCount count =
        net::AddressCount::powerOfTwo(*newLength - network.prefixLength());
    if (count > net::AddressCount(kListLimit)) {
        return Refused("'" + newLengthText + "': splitting /" +
                       std::to_string(network.prefixLength()) + " into /" +
                       std::to_string(*newLength) + " gives " + count.toString() +
                       " subnets, more than " + std::to_string(kListLimit));
    }
    std::vector<net::Ipv6Network> networks;
    std::optional<net::Ipv6Network> subnet =
        net::Ipv6Network::containing(network.address(), *newLength);
    while (subnet && network.contains(*subnet)) {
        networks.push_back(*subnet);
        subnet = subnet->next();
    }
    return AnsweredRows(args, networks, *newLength);
}

CliOutcome RunDecimalIpv6(const CommandArgs& args)
{
    const std::string& value = args.positional[0];
    net::Ipv6Address address;
    if (IsIpv6Argument(value)) {
        const ReadArgument<net::Ipv6Address> read = ReadIpv6Address(value);
        if (read.failure)
            return *read.failure;
        address = read.value;
    } else {
        const auto number = net::UInt128::parse(value);
        if (!number) {
            return Refused("'" + value + "' is neither an IPv6 address nor a number from 0 to " +
                           net::UInt128::max().toString());
        }
        address = net::Ipv6Address(*number);
    }
    return AnsweredFields(args, [&](FieldSink& fields) {
        AddAddressFields(fields, address);
        fields.add("decimal", "Decimal", ExactNumber(address.value()));
        AddBlockFields(fields, net::Ipv6Network::containing(address, 128));
    });
}
