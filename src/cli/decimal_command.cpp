// decimal VALUE: a dotted address to its decimal number, or a number to its address,
// whichever VALUE is, through the decimal tab's conversions.

#include "cli/cli_command.h"

#include "cli/address_args.h"
#include "cli/cli_output.h"
#include "cli/special_blocks.h"
#include "decimal/conversion.h"

CliOutcome RunDecimal(const CommandArgs& args)
{
    if (args.positional.size() != 1)
        return Misused(QStringLiteral("expected VALUE (an address or a number)"));
    const QString& value = args.positional[0];
    std::uint32_t address = 0;
    QString dotted;
    QString decimal;
    if (value.contains(QLatin1Char('.'))) {
        const AddressArgument read = ReadAddress(value);
        if (read.failure)
            return *read.failure;
        address = read.address;
        dotted = FormatAddress(address);
        decimal = GeneralNumberText(DottedToDecimal(OctetTexts(address)));
    } else {
        const std::optional<qint64> number = ParseWholeNumber(value, 0xFFFFFFFF);
        if (!number) {
            return Refused(QStringLiteral("'%1' is neither an IPv4 address nor a number from 0 "
                                          "to 4294967295")
                               .arg(value));
        }
        address = static_cast<std::uint32_t>(*number);
        dotted = DecimalToDotted(value);
        decimal = value;
    }
    QList<Field> fields = {
        {QStringLiteral("address"), QStringLiteral("Address"), dotted},
        {QStringLiteral("decimal"), QStringLiteral("Decimal"), decimal.toDouble()}};
    fields += BlockFields(address);
    return Answered(args, AlignedText(fields), JsonObjectOf(fields));
}
