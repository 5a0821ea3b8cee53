// subnet ADDRESS/LEN | ADDRESS/MASK | ADDRESS MASK | ADDRESS: one subnet in full, with
// its classful reading and the special-purpose block it lies in.

#include "cli/cli_command.h"

#include "net/ipv4_classful.h"
#include "net/reverse_zone.h"

namespace {

std::string_view ClassText(net::AddressClass addressClass)
{
    return std::string_view("ABCDE").substr(std::size_t(addressClass), 1);
}

std::string BinaryRow(net::Ipv4Address address)
{
    std::string row;
    for (int bit = 31; bit >= 0; --bit) {
        row += char('0' + ((address.value() >> bit) & 1u));
        if (bit % 8 == 0 && bit > 0)
            row += '.';
    }
    return row;
}

std::string HexText(net::Ipv4Address address)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text = "0x";
    for (int shift = 28; shift >= 0; shift -= 4)
        text += kDigits[(address.value() >> shift) & 15];
    return text;
}

// Classes D and E have no network and host parts, so no classful figures.
template <typename Sink>
void AddClassfulFigures(Sink& fields, const net::Ipv4Interface& subnet, bool rfc3021)
{
    const net::AddressClass addressClass = net::Ipv4ClassOf(subnet.address);
    const std::optional<int> classful = net::ClassfulLength(addressClass);
    static constexpr std::string_view kNoParts[] = {{},
                                                    {},
                                                    {},
                                                    "Class D has no network and host parts",
                                                    "Class E has no network and host parts"};
    std::optional<net::ClassfulFigures> figures;
    std::string_view status = kNoParts[std::size_t(addressClass)];
    if (classful) {
        const net::ClassfulAnalysis analysis =
            net::AnalyseClassful(subnet.address, *classful, subnet.prefixLength, rfc3021);
        figures = analysis.figures;
        status = net::ClassfulStatusText(analysis.status);
    }
    // One count of hosts for one subnet: where the classful rule leaves a /32 with none, the
    // network itself says it has its one address.
    if (figures && subnet.prefixLength == 32)
        figures->maxHosts = 1;
    const auto figure = [&](auto member) -> FieldValue {
        if (!figures)
            return {};
        return std::uint64_t((*figures).*member);
    };
    fields.add("subnet_bits", "Subnet bits", figure(&net::ClassfulFigures::subnetBits));
    fields.add("max_subnets", "Maximum subnets", figure(&net::ClassfulFigures::maxSubnets));
    fields.add("max_hosts", "Maximum hosts", figure(&net::ClassfulFigures::maxHosts));
    fields.add("host_bits", "Host bits", figure(&net::ClassfulFigures::hostBits));
    fields.add("status", "Status", FieldValue::plainText(status));
}

// A template over the sink, so that a batch's JSON lines are written with no call a value.
template <typename Sink>
void AddSubnetFields(Sink& fields, const net::Ipv4Interface& subnet, const CommandArgs& args)
{
    const bool rfc3021 = args.pointToPoint();
    const net::Ipv4Network network = subnet.network();
    const std::optional<net::Ipv4Range> hosts = network.hosts(rfc3021);
    static constexpr std::string_view kClassLines[] = {"Class A Address", "Class B Address",
                                                       "Class C Address", "Class D Address",
                                                       "Class E Address"};
    const net::AddressClass addressClass = net::Ipv4ClassOf(subnet.address);
    fields.add("address", "Address", subnet.address);
    AddBlockFields(fields, network);
    fields.add("", "Class", kClassLines[std::size_t(addressClass)]);
    fields.add("class", "", FieldValue::plainText(ClassText(addressClass)));
    fields.add("mask", "Mask", network.mask());
    fields.add("wildcard", "Wildcard", network.wildcard());
    fields.add("prefix_length", "Prefix length", network.prefixLength());
    fields.add("network", "Network", network.address());
    fields.add("cidr", "", network);
    fields.add("broadcast", "Broadcast", network.broadcast());
    using OptionalAddress = std::optional<net::Ipv4Address>;
    fields.add("first_host", "First host", hosts ? OptionalAddress(hosts->first) : std::nullopt);
    fields.add("last_host", "Last host", hosts ? OptionalAddress(hosts->last) : std::nullopt);
    fields.add("host_count", "Hosts", hosts ? hosts->size() : std::uint64_t{0});
    fields.add("rfc3021", "", rfc3021);
    char zone[net::kIpv4ZoneRoom];
    fields.add("reverse_zone", "Reverse zone",
               FieldValue::plainText({zone, net::WriteReverseZone(network, zone)}));
    const std::size_t classless = net::WriteClasslessReverseZone(network, zone);
    fields.add("classless_reverse_zone", classless ? "Delegated zone" : "",
               classless ? FieldValue::plainText({zone, classless}) : FieldValue());
    AddClassfulFigures(fields, subnet, rfc3021);
    if (args.has("--hex")) {
        fields.add("host_hex", "Host (hex)", HexText(subnet.address));
        fields.add("mask_hex", "Mask (hex)", HexText(network.mask()));
        fields.add("network_hex", "Network (hex)", HexText(network.address()));
        fields.add("broadcast_hex", "Broadcast (hex)", HexText(network.broadcast()));
    }
    if (args.has("--binary")) {
        fields.add("host_binary", "Host (binary)", BinaryRow(subnet.address));
        fields.add("mask_binary", "Mask (binary)", BinaryRow(network.mask()));
        fields.add("network_binary", "Network (binary)", BinaryRow(network.address()));
        fields.add("broadcast_binary", "Broadcast (binary)", BinaryRow(network.broadcast()));
    }
}

} // namespace

CliOutcome RunSubnet(const CommandArgs& args)
{
    if (!args.positional.empty() && IsIpv6Argument(args.positional[0]))
        return RunSubnetIpv6(args);
    ReadArgument<net::Ipv4Interface> subnet;
    if (args.positional.size() == 1) {
        subnet = ReadInterface(args.positional[0]);
    } else if (args.positional.size() == 2) {
        const std::string& mask = args.positional[1];
        subnet = ReadInterface(args.positional[0]);
        // A dotted mask or a length may stand second, read as if after a "/".
        const bool dotted = mask.find('.') != std::string::npos;
        const bool length =
            !mask.empty() && mask.find_first_not_of("0123456789") == std::string::npos;
        if (!subnet.failure && args.positional[0].find('/') != std::string::npos)
            return Misused("expected ADDRESS/LEN, ADDRESS MASK or ADDRESS LEN");
        if (!subnet.failure) {
            subnet = ReadInterface(args.positional[0] + "/" + mask);
            if (!(dotted || length) || mask.find('/') != std::string::npos)
                subnet.failure =
                    Refused("'" + mask + "' is not a subnet mask (leading one bits, then zeros)");
        }
    } else {
        return Misused("expected ADDRESS/LEN, ADDRESS MASK or ADDRESS LEN");
    }
    if (subnet.failure)
        return *subnet.failure;
    return AnsweredFields(args, [&](auto& fields) { AddSubnetFields(fields, subnet.value, args); });
}
