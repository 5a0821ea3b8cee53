#include "cli/cli_run.h"

#include "shell/program_info.h"

#include <algorithm>
#include <array>

namespace {

const QString kProgram = QStringLiteral("ferol-calc");

struct CommandEntry
{
    const char* name;
    QStringList flags;         // options without a value, beyond --json and --help
    QList<QStringList> valued; // options followed by a value, each by its spellings
    const char* help;
    CliOutcome (*run)(const CommandArgs&);
};

const char kCommonOptions[] = "  --json         one JSON document instead of text\n"
                              "  -h, --help     this help\n";

const std::array<CommandEntry, 6>& Commands()
{
    static const std::array<CommandEntry, 6> commands = {
        CommandEntry{"subnet",
                     {QStringLiteral("--rfc3021"), QStringLiteral("--binary")},
                     {},
                     "Usage: ferol-calc subnet ADDRESS/LEN [options]\n"
                     "       ferol-calc subnet ADDRESS MASK [options]\n"
                     "       ferol-calc ADDRESS/LEN [options]\n"
                     "\n"
                     "The subnet of ADDRESS: class, mask, wildcard, network, broadcast, hosts,\n"
                     "the classful figures and status of the subnet tab, and the address's\n"
                     "special-purpose block. MASK must be contiguous.\n"
                     "\n"
                     "Options:\n"
                     "  --rfc3021      read a /31 as a point-to-point link with two hosts\n"
                     "  --binary       add the binary worksheet rows\n",
                     RunSubnet},
        CommandEntry{"next",
                     {},
                     {{QStringLiteral("-n"), QStringLiteral("--count")}},
                     "Usage: ferol-calc next ADDRESS/LEN [-n N] [options]\n"
                     "\n"
                     "The subnet of ADDRESS and the ones after it at the same prefix length,\n"
                     "N rows in all (default 20, at most 65536), as the subnet list report\n"
                     "shows them. The list stops at the end of the address space.\n"
                     "\n"
                     "Options:\n"
                     "  -n, --count N  number of subnets\n",
                     RunNext},
        CommandEntry{"split",
                     {},
                     {},
                     "Usage: ferol-calc split NETWORK/LEN NEWLEN [options]\n"
                     "\n"
                     "The subnets of NETWORK/LEN at the longer prefix length NEWLEN, as the\n"
                     "subnet list report shows them (at most 65536).\n"
                     "\n"
                     "Options:\n",
                     RunSplit},
        CommandEntry{"range",
                     {},
                     {},
                     "Usage: ferol-calc range FIRST LAST [options]\n"
                     "\n"
                     "The fewest prefixes that cover exactly the addresses FIRST to LAST.\n"
                     "\n"
                     "Options:\n",
                     RunRange},
        CommandEntry{"wildcard",
                     {},
                     {},
                     "Usage: ferol-calc wildcard ADDRESS WILDCARD [options]\n"
                     "\n"
                     "The values each octet of ADDRESS matches under WILDCARD (1 bits may take\n"
                     "any value), as the wildcard tab lists them, the number of matching\n"
                     "addresses, and whether WILDCARD is contiguous, with its prefix if so.\n"
                     "WILDCARD need not be contiguous.\n"
                     "\n"
                     "Options:\n",
                     RunWildcard},
        CommandEntry{"decimal",
                     {},
                     {},
                     "Usage: ferol-calc decimal VALUE [options]\n"
                     "\n"
                     "VALUE as a dotted address and as one decimal number (0 to 4294967295),\n"
                     "converted whichever way VALUE is written, as the decimal tab does.\n"
                     "\n"
                     "Options:\n",
                     RunDecimal},
    };
    return commands;
}

QString GeneralHelp()
{
    return QStringLiteral(
        "Usage: ferol-calc COMMAND ARGUMENTS [options]\n"
        "       ferol-calc ADDRESS/LEN [options]   (the same as subnet)\n"
        "\n"
        "IPv4 subnet calculations on the engines of Ferol Subnet Calculator.\n"
        "\n"
        "Commands:\n"
        "  subnet ADDRESS/LEN | ADDRESS MASK   one subnet in full\n"
        "  next ADDRESS/LEN [-n N]             the next N subnets\n"
        "  split NETWORK/LEN NEWLEN            the subnets at a longer prefix\n"
        "  range FIRST LAST                    the prefixes covering a range\n"
        "  wildcard ADDRESS WILDCARD           the values a wildcard mask matches\n"
        "  decimal VALUE                       an address to its number, or back\n"
        "\n"
        "ferol-calc COMMAND --help describes a command; --version prints the version.\n"
        "Exit status: 0 answered, 1 an argument refused, 2 wrong usage.\n");
}

CliOutcome WithPrefix(CliOutcome outcome, const QString& command)
{
    const QString prefix = command.isEmpty() ? kProgram : kProgram + QLatin1Char(' ') + command;
    QString err = prefix + QStringLiteral(": ") + outcome.err + QLatin1Char('\n');
    if (outcome.status == kStatusMisused)
        err += QStringLiteral("Try '%1 --help'.\n").arg(prefix);
    outcome.err = err;
    return outcome;
}

bool IsHelp(const QString& argument)
{
    return argument == QLatin1String("--help") || argument == QLatin1String("-h");
}

const QStringList* ValuedOption(const CommandEntry& command, const QString& argument)
{
    for (const QStringList& spellings : command.valued) {
        if (spellings.contains(argument))
            return &spellings;
    }
    return nullptr;
}

// Sorts the arguments after the command name; a failure is a usage error.
std::optional<CliOutcome> SortArguments(const CommandEntry& command, const QStringList& arguments,
                                        CommandArgs& args)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        // A negative number is a value to refuse, not an option.
        const bool number = argument.size() > 1 && argument.at(1).isDigit();
        if (!argument.startsWith(QLatin1Char('-')) || number) {
            args.positional << argument;
        } else if (argument == QLatin1String("--json") || command.flags.contains(argument)) {
            args.flags.insert(argument);
        } else if (const QStringList* spellings = ValuedOption(command, argument)) {
            if (i + 1 == arguments.size())
                return Misused(QStringLiteral("option '%1' needs a value").arg(argument));
            // Commands look an option up by its first spelling.
            args.values.insert(spellings->front(), arguments[++i]);
        } else {
            return Misused(QStringLiteral("unknown option '%1'").arg(argument));
        }
    }
    return std::nullopt;
}

} // namespace

CliOutcome RunFerolCalc(const QStringList& arguments)
{
    if (arguments.isEmpty())
        return WithPrefix(Misused(QStringLiteral("no command given")), {});
    const QString& first = arguments.front();
    if (IsHelp(first) || first == QLatin1String("help"))
        return {0, GeneralHelp(), {}};
    if (first == QLatin1String("--version"))
        return {0,
                kProgram + QLatin1Char(' ') + CompiledVersion().toString() + QLatin1Char('\n'),
                {}};

    // An address first means the subnet command, so "ferol-calc 10.0.0.1/8" works.
    const bool addressFirst = !first.isEmpty() && first.front().isDigit();
    const QString name = addressFirst ? QStringLiteral("subnet") : first;
    const QStringList rest = addressFirst ? arguments : arguments.mid(1);
    for (const CommandEntry& command : Commands()) {
        if (name != QLatin1String(command.name))
            continue;
        if (std::any_of(rest.begin(), rest.end(), IsHelp))
            return {0, QString::fromLatin1(command.help) + QLatin1String(kCommonOptions), {}};
        CommandArgs args;
        if (const std::optional<CliOutcome> misuse = SortArguments(command, rest, args))
            return WithPrefix(*misuse, name);
        CliOutcome outcome = command.run(args);
        return outcome.status == 0 ? outcome : WithPrefix(outcome, name);
    }
    return WithPrefix(Misused(QStringLiteral("unknown command '%1'").arg(first)), {});
}
