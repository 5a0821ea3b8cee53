// decimal VALUE: a dotted address to its decimal number, or a number to its address,
// whichever VALUE is.

#include "cli/cli_command.h"

#include "net/number_text.h"

CliOutcome RunDecimal(const CommandArgs& args)
{
    if (args.positional.size() != 1)
        return Misused("expected VALUE (an address or a number)");
    const std::string& value = args.positional[0];
    if (IsIpv6Argument(value) || args.has("--ipv6"))
        return RunDecimalIpv6(args);
    net::Ipv4Address address;
    if (value.find('.') != std::string::npos) {
        const ReadArgument<net::Ipv4Address> read = ReadAddress(value);
        if (read.failure)
            return *read.failure;
        address = read.value;
    } else {
        const auto number = net::ParseWholeNumber(value, 0xFFFFFFFFu);
        if (!number) {
            return Refused("'" + value +
                           "' is neither an IPv4 address nor a number from 0 to 4294967295");
        }
        address = net::Ipv4Address(std::uint32_t(*number));
    }
    return AnsweredFields(args, [&](FieldSink& fields) {
        fields.add("address", "Address", address.toString());
        fields.add("decimal", "Decimal", std::uint64_t{address.value()});
        AddBlockFields(fields, net::Ipv4Network::containing(address, 32));
    });
}
