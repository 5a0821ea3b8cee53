#include "cli/command_table.h"

#include "cli/line_reader.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array kOptions = {
    OptionEntry{"--json",
                'j',
                {},
                OptionScope::Output,
                "JSON instead of text (one line per answer in a batch)"},
    OptionEntry{"--field", 0, "NAME", OptionScope::Output,
                "print only the value NAME (a JSON key), one a line; repeatable"},
    OptionEntry{"--file", 0, "PATH", OptionScope::Output,
                "a batch: one line of arguments per line of PATH"},
    OptionEntry{"--count", 'n', "N", OptionScope::Answer, "number of subnets"},
    OptionEntry{"--rfc3021",
                0,
                {},
                OptionScope::Answer,
                "read a /31 as a point-to-point link with two hosts (the default)"},
    OptionEntry{
        "--no-rfc3021", 0, {}, OptionScope::Answer, "read a /31 as a network with no hosts"},
    OptionEntry{"--binary", 0, {}, OptionScope::Answer, "add the binary rows"},
    OptionEntry{"--hex",
                0,
                {},
                OptionScope::Answer,
                "add address, mask, network and broadcast in hexadecimal"},
    OptionEntry{"--ipv6", 0, {}, OptionScope::Answer, "read a number as an IPv6 address"},
    OptionEntry{"--plan", 0, "FILE", OptionScope::Answer,
                "check a saved plan: its networks computed again must be the ones it holds"},
    OptionEntry{"--help", 'h', {}, OptionScope::Program, "this help"},
    OptionEntry{"--version", 0, {}, OptionScope::Program, "print the version"},
};

constexpr std::array<std::string_view, 3> kCommonOptions = {"--json", "--file", "--help"};

std::string Limit()
{
    return std::to_string(kListLimit);
}

const std::vector<CommandEntry>& CommandList()
{
    static const std::vector<CommandEntry> commands = {
        {"subnet",
         {},
         "ADDRESS/LEN | ADDRESS MASK",
         "one subnet in full",
         "Usage: ferol-calc subnet ADDRESS[/LEN | /MASK] [options]\n"
         "       ferol-calc subnet ADDRESS MASK|LEN [options]\n"
         "       ferol-calc ADDRESS[/LEN | /MASK] [options]\n"
         "\n"
         "The subnet of ADDRESS (a bare address is a /32): mask, wildcard, network,\n"
         "broadcast, hosts, the special-purpose block it lies in, the reverse zone (and\n"
         "the RFC 2317 name beyond /24), and its classful reading (class, subnet and host\n"
         "bits, maximum subnets and hosts, status). MASK must be contiguous.\n"
         "An IPv6 ADDRESS[/LEN] (a bare address is a /128) gives its compressed and\n"
         "expanded forms, network, last address, number of addresses, block and\n"
         "reverse DNS zone.\n",
         {{"--rfc3021"}, {"--no-rfc3021"}, {"--binary"}, {"--hex"}, {"--field"}},
         RunSubnet},
        {"next",
         {},
         "ADDRESS/LEN [-n N]",
         "the next N subnets",
         "Usage: ferol-calc next ADDRESS[/LEN] [-n N] [options]\n"
         "\n"
         "The subnet of ADDRESS (IPv4 or IPv6) and the ones after it at the same\n"
         "prefix length, N rows in all (default 20, at most " +
             Limit() +
             "). The list stops at\n"
             "the end of the address space.\n",
         {{"--count"}, {"--rfc3021"}, {"--no-rfc3021"}},
         RunNext},
        {"split",
         {},
         "NETWORK/LEN NEWLEN | -n N",
         "the subnets at a longer prefix, or N equal",
         "Usage: ferol-calc split NETWORK/LEN NEWLEN [options]\n"
         "       ferol-calc split NETWORK/LEN --count N [options]\n"
         "\n"
         "The subnets of NETWORK/LEN at the longer prefix length NEWLEN (at most\n" +
             Limit() +
             " of them); or N equal networks, N rounded up to a power of two and\n"
             "the spare networks listed as unused.\n",
         {{"--count", "N equal networks in place of NEWLEN"}, {"--rfc3021"}, {"--no-rfc3021"}},
         RunSplit},
        {"range",
         {},
         "FIRST LAST",
         "the prefixes covering a range",
         "Usage: ferol-calc range FIRST LAST [options]\n"
         "\n"
         "The fewest prefixes that cover exactly the addresses FIRST to LAST, both\n"
         "IPv4 or both IPv6.\n",
         {},
         RunRange},
        {"contains",
         {},
         "NETWORK ADDRESS|NETWORK...",
         "whether addresses lie in a network",
         "Usage: ferol-calc contains NETWORK ADDRESS|NETWORK... [options]\n"
         "\n"
         "Whether every ADDRESS or NETWORK lies inside NETWORK, one line each.\n"
         "Exit status as grep's: 0 when every one lies inside, 1 when one does not,\n"
         "2 for a refused argument or wrong usage.\n",
         {},
         RunContains,
         BatchShape::EachLine,
         StatusRule::LikeGrep},
        {"merge",
         "aggregate",
         "NETWORK|FIRST-LAST...",
         "a list merged into the fewest prefixes",
         "Usage: ferol-calc merge NETWORK|FIRST-LAST... [options]\n"
         "       ferol-calc merge - < LIST\n"
         "\n"
         "The fewest prefixes that hold exactly the addresses of every NETWORK and\n"
         "range FIRST-LAST given, as arguments or one or more a line: IPv4 first, then\n"
         "IPv6, each in address order. Also called aggregate.\n",
         {},
         RunMerge,
         BatchShape::AllLines},
        {"exclude",
         {},
         "NETWORK EXCLUDED...",
         "what is left of a network",
         "Usage: ferol-calc exclude NETWORK EXCLUDED... [options]\n"
         "\n"
         "What is left of NETWORK once every EXCLUDED network is taken out, as the\n"
         "fewest prefixes in address order.\n",
         {},
         RunExclude},
        {"wildcard",
         {},
         "ADDRESS WILDCARD",
         "the values a wildcard mask matches",
         "Usage: ferol-calc wildcard ADDRESS WILDCARD [options]\n"
         "\n"
         "The values each octet of ADDRESS matches under WILDCARD (1 bits may take\n"
         "any value) as ranges, the number of matching addresses, and whether\n"
         "WILDCARD is contiguous, with its prefix if so. WILDCARD need not be\n"
         "contiguous. IPv4 only.\n",
         {},
         RunWildcard},
        {"decimal",
         {},
         "VALUE",
         "an address to its number, or back",
         "Usage: ferol-calc decimal VALUE [options]\n"
         "\n"
         "VALUE as an address and as one decimal number, converted whichever way\n"
         "VALUE is written: a dotted IPv4 address and 0 to 4294967295, or an IPv6\n"
         "address and 0 to 2^128 - 1 (a number with --ipv6).\n",
         {{"--ipv6"}, {"--field"}},
         RunDecimal},
        {"vlsm",
         {},
         "NETWORK/LEN SIZES...",
         "networks sized for hosts, /64s or /n",
         "Usage: ferol-calc vlsm NETWORK/LEN SIZES... [options]\n"
         "       ferol-calc vlsm --plan FILE [options]\n"
         "\n"
         "One network inside NETWORK for each of SIZES, each the smallest that holds\n"
         "it, placed largest first (ties in the order given) and listed in address\n"
         "order, then the space left unused. For an IPv4 NETWORK a size is a count\n"
         "of usable hosts (all the addresses but the network and broadcast ones);\n"
         "for an IPv6 one a count of /64 networks; in both /n asks for a network of\n"
         "prefix length n. When they do not fit, says how many addresses are missing\n"
         "and which size is the first with no room, and answers nothing.\n",
         {{"--rfc3021", "give a count of 2 a /31 and of 1 a /32"}, {"--plan"}},
         RunVlsm},
    };
    return commands;
}

std::string OptionLine(const OptionEntry& option, std::string_view help)
{
    std::string left = "  ";
    if (option.shortName != 0)
        left += std::string{'-', option.shortName} + ", ";
    left += option.name;
    if (!option.valueName.empty())
        left += " " + std::string(option.valueName);
    return Padded(left, 20) + std::string(help.empty() ? option.help : help) + '\n';
}

} // namespace

std::span<const OptionEntry> Options()
{
    return kOptions;
}

std::span<const CommandEntry> Commands()
{
    return CommandList();
}

std::span<const std::string_view> CommonOptions()
{
    return kCommonOptions;
}

const OptionEntry* FindOption(std::string_view longName)
{
    const auto* const found = std::find_if(
        kOptions.begin(), kOptions.end(), [&](const OptionEntry& o) { return o.name == longName; });
    return found == kOptions.end() ? nullptr : &*found;
}

const OptionEntry* FindShortOption(char shortName)
{
    const auto* const found =
        std::find_if(kOptions.begin(), kOptions.end(), [&](const OptionEntry& o) {
            return o.shortName != 0 && o.shortName == shortName;
        });
    return found == kOptions.end() ? nullptr : &*found;
}

const CommandEntry* FindCommand(std::string_view nameOrAlias)
{
    if (nameOrAlias.empty())
        return nullptr;
    for (const CommandEntry& command : CommandList()) {
        if (command.name == nameOrAlias || command.alias == nameOrAlias)
            return &command;
    }
    return nullptr;
}

bool CommandTakes(const CommandEntry& command, std::string_view option)
{
    return std::find(kCommonOptions.begin(), kCommonOptions.end(), option) !=
               kCommonOptions.end() ||
           std::any_of(command.options.begin(), command.options.end(),
                       [&](const CommandOptionRef& ref) { return ref.name == option; });
}

std::string GeneralHelp()
{
    std::string help = "Usage: ferol-calc COMMAND ARGUMENTS [options]\n"
                       "       ferol-calc ADDRESS[/LEN] [options]   (the same as subnet)\n"
                       "\n"
                       "IPv4 and IPv6 subnet calculations of Ferol Subnet Calculator.\n"
                       "\n"
                       "Commands:\n";
    for (const CommandEntry& command : CommandList()) {
        help +=
            Padded("  " + std::string(command.name) + ' ' + std::string(command.arguments), 40) +
            std::string(command.summary) + '\n';
    }
    help += "\n"
            "Given \"-\" in place of its arguments (or --file PATH), a command answers every\n"
            "line of standard input (or of PATH), each no longer than " +
            std::to_string(kLineLimit) +
            " bytes.\n"
            "ferol-calc help COMMAND (or COMMAND --help) describes a command; --version\n"
            "prints the version.\n"
            "Exit status: 0 answered, 1 an argument refused, 2 wrong usage or unreadable\n"
            "input (contains: 1 no, 2 refused).\n";
    return help;
}

std::string CommandHelp(const CommandEntry& command)
{
    std::string help = command.usage + "\nOptions:\n";
    for (const CommandOptionRef& ref : command.options)
        help += OptionLine(*FindOption(ref.name), ref.help);
    for (std::string_view common : kCommonOptions)
        help += OptionLine(*FindOption(common), {});
    help += "\n"
            "Options may stand anywhere, as --count=5 or -n5 too. Given \"-\" for its first\n"
            "argument, the command reads its arguments line by line from standard input;\n"
            "a line may carry the options that shape its own answer.\n";
    return help;
}

std::string CompletionWords(std::string_view command)
{
    std::string words;
    const auto add = [&words](std::string_view word, std::string_view summary) {
        words += std::string(word) + '\t' + std::string(summary) + '\n';
    };
    const auto addOption = [&](const OptionEntry& option, std::string_view help) {
        const std::string_view text = help.empty() ? option.help : help;
        add(std::string(option.name) + (option.valueName.empty() ? "" : "="), text);
        if (option.shortName != 0)
            add(std::string{'-', option.shortName}, text);
    };
    const auto addCommands = [&] {
        for (const CommandEntry& each : CommandList()) {
            add(each.name, each.summary);
            if (!each.alias.empty())
                add(each.alias, each.summary);
        }
    };
    if (command == "help") {
        addCommands();
        return words;
    }
    if (command.empty()) {
        // Options may come before the command, so every one is offered there.
        addCommands();
        add("help", "describe a command");
        for (const OptionEntry& option : kOptions)
            addOption(option, {});
        return words;
    }
    const bool address =
        (command[0] >= '0' && command[0] <= '9') || command.find(':') != std::string_view::npos;
    const CommandEntry* found = address ? FindCommand("subnet") : FindCommand(command);
    if (!found)
        return words;
    for (const CommandOptionRef& ref : found->options)
        addOption(*FindOption(ref.name), ref.help);
    for (std::string_view common : kCommonOptions)
        addOption(*FindOption(common), {});
    return words;
}
