// subnet ADDRESS/LEN | ADDRESS MASK: one subnet as the subnet tab shows it, with the
// wildcard, host figures and special-purpose block the tab does not show.

#include "cli/cli_command.h"

#include "cli/address_args.h"
#include "cli/cli_output.h"
#include "cli/engine_inputs.h"
#include "cli/special_blocks.h"
#include "subnet/host_entry.h"

namespace {

QJsonValue NumberOrNull(const QString& text)
{
    return text.isEmpty() ? QJsonValue() : QJsonValue(text.toDouble());
}

QString BinaryRow(const std::array<QString, 4>& octets)
{
    return octets[0] + QLatin1Char('.') + octets[1] + QLatin1Char('.') + octets[2] +
           QLatin1Char('.') + octets[3];
}

QList<Field> SubnetFields(std::uint32_t address, int length, bool rfc3021, bool binary)
{
    const std::array<QString, 4> octets = OctetTexts(address);
    const SubnetInputs inputs = EngineInputs(octets, length, rfc3021);
    const SubnetResult result = CalculateSubnet(inputs);
    const HostSpan hosts = HostsOf(result, length, rfc3021);

    QList<Field> fields = {
        {QStringLiteral("address"), QStringLiteral("Address"), FormatAddress(address)}};
    fields += BlockFields(address);
    fields += {
        {QStringLiteral("class"), QStringLiteral("Class"),
         ClassifyFirstOctet(address >> 24).caption},
        {QStringLiteral("mask"), QStringLiteral("Mask"), result.subnetMask},
        {QStringLiteral("wildcard"), QStringLiteral("Wildcard"),
         FormatAddress(~MaskOfLength(length))},
        {QStringLiteral("prefix_length"), QStringLiteral("Prefix length"), length},
        {QStringLiteral("network"), QStringLiteral("Network"), result.network},
        {QStringLiteral("broadcast"), QStringLiteral("Broadcast"), result.broadcast},
        {QStringLiteral("first_host"), QStringLiteral("First host"), TextOrNull(hosts.first)},
        {QStringLiteral("last_host"), QStringLiteral("Last host"), TextOrNull(hosts.last)},
        {QStringLiteral("host_count"), QStringLiteral("Hosts"), static_cast<double>(hosts.count)},
        {QStringLiteral("rfc3021"), {}, rfc3021},
        {QStringLiteral("subnet_bits"), QStringLiteral("Subnet bits"),
         NumberOrNull(result.subnetBits)},
        {QStringLiteral("max_subnets"), QStringLiteral("Maximum subnets"),
         NumberOrNull(result.maxSubnets)},
        {QStringLiteral("max_hosts"), QStringLiteral("Maximum hosts"),
         NumberOrNull(result.maxHosts)},
        {QStringLiteral("host_bits"), QStringLiteral("Host bits"), NumberOrNull(result.hostBits)},
        {QStringLiteral("status"), QStringLiteral("Status"), result.status},
    };
    if (binary) {
        fields += {
            {QStringLiteral("host_binary"), QStringLiteral("Host (binary)"),
             BinaryRow(inputs.hostBin)},
            {QStringLiteral("mask_binary"), QStringLiteral("Mask (binary)"),
             BinaryRow(result.maskBin)},
            {QStringLiteral("network_binary"), QStringLiteral("Network (binary)"),
             BinaryRow(result.networkBin)},
            {QStringLiteral("broadcast_binary"), QStringLiteral("Broadcast (binary)"),
             BinaryRow(result.broadcastBin)},
        };
    }
    return fields;
}

} // namespace

CliOutcome RunSubnet(const CommandArgs& args)
{
    AddressAndLength subnet;
    if (args.positional.size() == 1) {
        subnet = ReadAddressAndLength(args.positional[0]);
    } else if (args.positional.size() == 2) {
        const AddressArgument address = ReadAddress(args.positional[0]);
        const AddressArgument mask = ReadAddress(args.positional[1]);
        const std::optional<int> length =
            mask.failure ? std::nullopt : ContiguousMaskLength(mask.address);
        if (address.failure)
            return *address.failure;
        if (!length) {
            return Refused(
                QStringLiteral("'%1' is not a subnet mask (leading one bits, then zeros)")
                    .arg(args.positional[1]));
        }
        subnet = {address.address, *length, std::nullopt};
    } else {
        return Misused(QStringLiteral("expected ADDRESS/LEN or ADDRESS MASK"));
    }
    if (subnet.failure)
        return *subnet.failure;
    const QList<Field> fields =
        SubnetFields(subnet.address, subnet.length, args.has("--rfc3021"), args.has("--binary"));
    return Answered(args, AlignedText(fields), JsonObjectOf(fields));
}
