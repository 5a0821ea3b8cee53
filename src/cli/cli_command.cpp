#include "cli/cli_command.h"

#include "cli/address_args.h"
#include "cli/cli_output.h"

CliOutcome Refused(const QString& message)
{
    return {kStatusRefused, {}, message};
}

CliOutcome Misused(const QString& message)
{
    return {kStatusMisused, {}, message};
}

CliOutcome Answered(const CommandArgs& args, const QString& text, const QJsonObject& json)
{
    return {0, args.has("--json") ? JsonText(json) : text, {}};
}

AddressArgument ReadAddress(const QString& argument)
{
    const std::optional<std::uint32_t> address = ParseAddress(argument);
    if (!address)
        return {0, Refused(QStringLiteral("'%1' is not an IPv4 address").arg(argument))};
    return {*address, std::nullopt};
}

AddressAndLength ReadAddressAndLength(const QString& argument)
{
    const qsizetype slash = argument.indexOf(QLatin1Char('/'));
    const AddressArgument address = ReadAddress(argument.left(slash));
    if (address.failure)
        return {0, 0, address.failure};
    if (slash < 0)
        return {0, 0,
                Refused(QStringLiteral("'%1' needs a prefix length: ADDRESS/LEN").arg(argument))};
    const std::optional<int> length = ParsePrefixLength(argument.mid(slash + 1));
    if (!length) {
        return {0, 0,
                Refused(QStringLiteral("'%1': the prefix length must be a number from 0 to 32")
                            .arg(argument))};
    }
    return {address.address, *length, std::nullopt};
}
