// next, split and range: the commands that answer with a list.

#include "cli/cli_command.h"

#include "cli/address_args.h"
#include "cli/cli_output.h"
#include "cli/prefix_cover.h"
#include "cli/subnet_walk.h"
#include "subnet/report.h"

#include <QJsonArray>

namespace {

CliOutcome AnsweredRows(const CommandArgs& args, int length, const QList<SubnetRow>& rows)
{
    QStringList lines = {SubnetReportHeader()};
    QJsonArray subnets;
    for (const SubnetRow& row : rows) {
        lines << SubnetReportRow(row.network, row.hosts, row.broadcast);
        subnets.append(QJsonObject{{QStringLiteral("network"), row.network},
                                   {QStringLiteral("hosts"), row.hosts},
                                   {QStringLiteral("broadcast"), row.broadcast}});
    }
    const QJsonObject json{{QStringLiteral("prefix_length"), length},
                           {QStringLiteral("subnets"), subnets}};
    return Answered(args, TextLines(lines), json);
}

} // namespace

CliOutcome RunNext(const CommandArgs& args)
{
    if (args.positional.size() != 1)
        return Misused(QStringLiteral("expected ADDRESS/LEN"));
    const AddressAndLength start = ReadAddressAndLength(args.positional[0]);
    if (start.failure)
        return *start.failure;
    const QString countText = args.values.value(QStringLiteral("-n"), QStringLiteral("20"));
    const std::optional<qint64> count = ParseWholeNumber(countText, kListLimit);
    if (!count || *count == 0) {
        return Refused(QStringLiteral("'-n %1': the count must be a number from 1 to %2")
                           .arg(countText)
                           .arg(kListLimit));
    }
    return AnsweredRows(args, start.length, WalkSubnets(start.address, start.length, *count));
}

CliOutcome RunSplit(const CommandArgs& args)
{
    if (args.positional.size() != 2)
        return Misused(QStringLiteral("expected NETWORK/LEN NEWLEN"));
    const AddressAndLength network = ReadAddressAndLength(args.positional[0]);
    if (network.failure)
        return *network.failure;
    const std::uint32_t mask = MaskOfLength(network.length);
    if ((network.address & mask) != network.address) {
        return Refused(QStringLiteral("'%1' is not a network address; the network is %2/%3")
                           .arg(args.positional[0], FormatAddress(network.address & mask))
                           .arg(network.length));
    }
    const QString newLengthText = args.positional[1];
    const std::optional<int> newLength = ParsePrefixLength(newLengthText);
    if (!newLength || *newLength < network.length) {
        return Refused(QStringLiteral("'%1': the new prefix length must be a number from %2 to 32")
                           .arg(newLengthText)
                           .arg(network.length));
    }
    const qint64 count = qint64{1} << (*newLength - network.length);
    if (count > kListLimit) {
        return Refused(QStringLiteral("'%1': splitting /%2 into /%3 gives %4 subnets, more than %5")
                           .arg(newLengthText)
                           .arg(network.length)
                           .arg(*newLength)
                           .arg(count)
                           .arg(kListLimit));
    }
    return AnsweredRows(args, *newLength, WalkSubnets(network.address, *newLength, count));
}

CliOutcome RunRange(const CommandArgs& args)
{
    if (args.positional.size() != 2)
        return Misused(QStringLiteral("expected FIRST LAST"));
    const AddressArgument first = ReadAddress(args.positional[0]);
    if (first.failure)
        return *first.failure;
    const AddressArgument last = ReadAddress(args.positional[1]);
    if (last.failure)
        return *last.failure;
    if (first.address > last.address) {
        return Refused(QStringLiteral("'%1' is above '%2': FIRST must not be above LAST")
                           .arg(args.positional[0], args.positional[1]));
    }
    QStringList lines;
    QJsonArray prefixes;
    for (const Prefix& prefix : CoveringPrefixes(first.address, last.address)) {
        lines << FormatAddress(prefix.network) + QLatin1Char('/') + QString::number(prefix.length);
        prefixes.append(lines.last());
    }
    const QJsonObject json{{QStringLiteral("first"), FormatAddress(first.address)},
                           {QStringLiteral("last"), FormatAddress(last.address)},
                           {QStringLiteral("address_count"),
                            static_cast<double>(std::uint64_t{last.address} - first.address + 1)},
                           {QStringLiteral("prefixes"), prefixes}};
    return Answered(args, TextLines(lines), json);
}
