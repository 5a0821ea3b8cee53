// wildcard ADDRESS WILDCARD: the values each octet matches, as the wildcard tab lists
// them, how many addresses match, and the prefix when the wildcard is contiguous.

#include "cli/cli_command.h"

#include "cli/address_args.h"
#include "cli/cli_output.h"
#include "cli/special_blocks.h"
#include "wildcard/match_engine.h"

#include <QJsonArray>

#include <algorithm>
#include <bit>
#include <cmath>

CliOutcome RunWildcard(const CommandArgs& args)
{
    if (args.positional.size() != 2)
        return Misused(QStringLiteral("expected ADDRESS WILDCARD"));
    const AddressArgument address = ReadAddress(args.positional[0]);
    if (address.failure)
        return *address.failure;
    const AddressArgument wildcard = ReadAddress(args.positional[1]);
    if (wildcard.failure)
        return *wildcard.failure;

    const std::array<QString, 4> addressOctets = OctetTexts(address.address);
    const std::array<QString, 4> wildcardOctets = OctetTexts(wildcard.address);
    WildcardOctets texts;
    std::copy(addressOctets.begin(), addressOctets.end(), texts.begin());
    std::copy(wildcardOctets.begin(), wildcardOctets.end(), texts.begin() + 4);
    const WildcardMatch match = MatchWildcard(texts);

    // A wildcard is contiguous when what it leaves fixed is a subnet mask.
    const std::optional<int> length = ContiguousMaskLength(~wildcard.address);
    const QJsonValue prefix = length
                                  ? QJsonValue(FormatAddress(address.address & ~wildcard.address) +
                                               QLatin1Char('/') + QString::number(*length))
                                  : QJsonValue();
    QList<Field> fields = {
        {QStringLiteral("address"), QStringLiteral("Address"), FormatAddress(address.address)},
        {QStringLiteral("wildcard"), QStringLiteral("Wildcard"), FormatAddress(wildcard.address)}};
    fields += BlockFields(address.address);
    fields += {{QStringLiteral("match_count"), QStringLiteral("Matching addresses"),
                std::ldexp(1.0, std::popcount(wildcard.address))},
               {QStringLiteral("contiguous"), QStringLiteral("Contiguous"), length.has_value()},
               {QStringLiteral("prefix"), QStringLiteral("Prefix"), prefix}};

    QString text = AlignedText(fields);
    QJsonArray lists;
    for (int k = 0; k < 4; ++k) {
        // The tab's lines end in CR LF; a terminal and JSON want them without.
        const QStringList lines = match.lists[k].split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        text += QStringLiteral("Octet %1 matches:\n").arg(k + 1) + TextLines(lines);
        lists.append(QJsonArray::fromStringList(lines));
    }
    QJsonObject json = JsonObjectOf(fields);
    json.insert(QStringLiteral("matches"), lists);
    return Answered(args, text, json);
}
