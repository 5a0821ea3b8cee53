#include "cli/cli_run.h"

#include "cli/cli_command.h"
#include "cli/command_line.h"
#include "cli/line_reader.h"
#include "ferol_version.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

const std::string kProgram = "ferol-calc";

struct CommandEntry
{
    std::string_view name;
    std::vector<std::string_view> options; // beyond --json, --file and --help
    std::string help;
    CliOutcome (*run)(const CommandArgs&);
};

const char kCommonOptions[] =
    "  --json         JSON instead of text (one line per answer in a batch)\n"
    "  --file PATH    a batch: one line of arguments per line of PATH\n"
    "  -h, --help     this help\n"
    "\n"
    "Options may stand anywhere, as --count=5 or -n5 too. Given \"-\" for its first\n"
    "argument, the command reads its arguments line by line from standard input.\n";

const std::array<CommandEntry, 7>& Commands()
{
    static const std::array<CommandEntry, 7> commands = {
        CommandEntry{"subnet",
                     {"--rfc3021", "--binary"},
                     "Usage: ferol-calc subnet ADDRESS[/LEN | /MASK] [options]\n"
                     "       ferol-calc subnet ADDRESS MASK [options]\n"
                     "       ferol-calc ADDRESS[/LEN | /MASK] [options]\n"
                     "\n"
                     "The subnet of ADDRESS (a bare address is a /32): mask, wildcard, network,\n"
                     "broadcast, hosts, the special-purpose block it lies in, and its classful\n"
                     "reading (class, subnet and host bits, maximum subnets and hosts, status).\n"
                     "MASK must be contiguous.\n"
                     "An IPv6 ADDRESS[/LEN] (a bare address is a /128) gives its compressed and\n"
                     "expanded forms, network, last address, number of addresses, block and\n"
                     "reverse DNS zone.\n"
                     "\n"
                     "Options:\n"
                     "  --rfc3021      read a /31 as a point-to-point link with two hosts\n"
                     "  --binary       add the binary rows\n",
                     RunSubnet},
        CommandEntry{"next",
                     {"--count", "--rfc3021"},
                     "Usage: ferol-calc next ADDRESS[/LEN] [-n N] [options]\n"
                     "\n"
                     "The subnet of ADDRESS (IPv4 or IPv6) and the ones after it at the same\n"
                     "prefix length,\n"
                     "N rows in all (default 20, at most " +
                         std::to_string(kListLimit) +
                         "). The list stops at the end of\n"
                         "the address space.\n"
                         "\n"
                         "Options:\n"
                         "  -n, --count N  number of subnets\n"
                         "  --rfc3021      read a /31 as a point-to-point link with two hosts\n",
                     RunNext},
        CommandEntry{"split",
                     {"--rfc3021", "--count"},
                     "Usage: ferol-calc split NETWORK/LEN NEWLEN [options]\n"
                     "       ferol-calc split NETWORK/LEN --count N [options]\n"
                     "\n"
                     "The subnets of NETWORK/LEN at the longer prefix length NEWLEN (at most\n" +
                         std::to_string(kListLimit) +
                         " of them); or N equal networks, N rounded up to a power of two and\n"
                         "the spare networks listed as unused.\n"
                         "\n"
                         "Options:\n"
                         "  -n, --count N  N equal networks in place of NEWLEN\n"
                         "  --rfc3021      read a /31 as a point-to-point link with two hosts\n",
                     RunSplit},
        CommandEntry{"range",
                     {},
                     "Usage: ferol-calc range FIRST LAST [options]\n"
                     "\n"
                     "The fewest prefixes that cover exactly the addresses FIRST to LAST, both\n"
                     "IPv4 or both IPv6.\n"
                     "\n"
                     "Options:\n",
                     RunRange},
        CommandEntry{"wildcard",
                     {},
                     "Usage: ferol-calc wildcard ADDRESS WILDCARD [options]\n"
                     "\n"
                     "The values each octet of ADDRESS matches under WILDCARD (1 bits may take\n"
                     "any value) as ranges, the number of matching addresses, and whether\n"
                     "WILDCARD is contiguous, with its prefix if so. WILDCARD need not be\n"
                     "contiguous. IPv4 only.\n"
                     "\n"
                     "Options:\n",
                     RunWildcard},
        CommandEntry{"decimal",
                     {"--ipv6"},
                     "Usage: ferol-calc decimal VALUE [options]\n"
                     "\n"
                     "VALUE as an address and as one decimal number, converted whichever way\n"
                     "VALUE is written: a dotted IPv4 address and 0 to 4294967295, or an IPv6\n"
                     "address and 0 to 2^128 - 1 (a number with --ipv6).\n"
                     "\n"
                     "Options:\n"
                     "  --ipv6         read a number as an IPv6 address\n",
                     RunDecimal},
        CommandEntry{"vlsm",
                     {"--rfc3021", "--plan"},
                     "Usage: ferol-calc vlsm NETWORK/LEN SIZES... [options]\n"
                     "       ferol-calc vlsm --plan FILE [options]\n"
                     "\n"
                     "One network inside NETWORK for each of SIZES, each the smallest that holds\n"
                     "it, placed largest first (ties in the order given) and listed in address\n"
                     "order, then the space left unused. For an IPv4 NETWORK a size is a count\n"
                     "of usable hosts (all the addresses but the network and broadcast ones);\n"
                     "for an IPv6 one a count of /64 networks; in both /n asks for a network of\n"
                     "prefix length n. When they do not fit, says how many addresses are missing\n"
                     "and which size is the first with no room, and answers nothing.\n"
                     "\n"
                     "Options:\n"
                     "  --rfc3021      give a count of 2 a /31 and of 1 a /32\n"
                     "  --plan FILE    check a saved plan: its networks computed again must be\n"
                     "                 the ones it holds (status 1 when they are not)\n",
                     RunVlsm},
    };
    return commands;
}

const char kGeneralHelp[] =
    "Usage: ferol-calc COMMAND ARGUMENTS [options]\n"
    "       ferol-calc ADDRESS[/LEN] [options]   (the same as subnet)\n"
    "\n"
    "IPv4 and IPv6 subnet calculations of Ferol Subnet Calculator.\n"
    "\n"
    "Commands:\n"
    "  subnet ADDRESS/LEN | ADDRESS MASK   one subnet in full\n"
    "  next ADDRESS/LEN [-n N]             the next N subnets\n"
    "  split NETWORK/LEN NEWLEN | -n N     the subnets at a longer prefix, or N equal\n"
    "  range FIRST LAST                    the prefixes covering a range\n"
    "  wildcard ADDRESS WILDCARD           the values a wildcard mask matches\n"
    "  decimal VALUE                       an address to its number, or back\n"
    "  vlsm NETWORK/LEN SIZES...           networks sized for hosts, /64s or /n\n"
    "\n"
    "Given \"-\" in place of its arguments (or --file PATH), a command answers every\n"
    "line of standard input (or of PATH).\n"
    "ferol-calc COMMAND --help describes a command; --version prints the version.\n"
    "Exit status: 0 answered, 1 an argument refused, 2 wrong usage.\n";

std::string Prefix(std::string_view command)
{
    return command.empty() ? kProgram : kProgram + ' ' + std::string(command);
}

void ReportFailure(const CliIo& io, const CliOutcome& outcome, std::string_view command)
{
    std::string err = Prefix(command) + ": " + outcome.err + '\n';
    if (outcome.status == kStatusMisused)
        err += "Try '" + Prefix(command) + " --help'.\n";
    io.err(err);
}

const CommandEntry* FindCommand(std::string_view name)
{
    for (const CommandEntry& command : Commands()) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::vector<std::string> Words(const std::string& line)
{
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsBlank(line[i]))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && !IsBlank(line[i]))
            ++i;
        if (i > start)
            words.push_back(line.substr(start, i - start));
    }
    return words;
}

// Every line of the input answered in turn: blank lines and "#" comments are skipped, the
// words of a line stand where "-" stood (or first, for --file).
int RunBatch(const CommandEntry& command, CommandArgs args, std::size_t slot,
             const std::function<bool(std::string&)>& readLine, const CliIo& io)
{
    args.jsonLines = true;
    const bool json = args.has("--json");
    int status = 0;
    bool answered = false;
    std::string line;
    for (std::size_t number = 1; readLine(line); ++number) {
        const std::vector<std::string> words = Words(line);
        if (words.empty() || words.front().front() == '#')
            continue;
        // The line's words stand in the arguments for this one run.
        const auto at = args.positional.begin() + std::ptrdiff_t(slot);
        args.positional.insert(at, words.begin(), words.end());
        const CliOutcome outcome = command.run(args);
        const auto inserted = args.positional.begin() + std::ptrdiff_t(slot);
        args.positional.erase(inserted, inserted + std::ptrdiff_t(words.size()));
        if (outcome.status != 0) {
            io.err(Prefix(command.name) + ": line " + std::to_string(number) + ": " + outcome.err +
                   '\n');
            status = kStatusRefused;
            continue;
        }
        if (answered && !json)
            io.out("\n");
        io.out(outcome.out);
        answered = true;
    }
    return status;
}

int RunCommand(const CommandEntry& command, CommandArgs args, const CliIo& io)
{
    const auto dash = std::find(args.positional.begin(), args.positional.end(), "-");
    const auto file = args.values.find("--file");
    if (dash == args.positional.end() && file == args.values.end()) {
        const CliOutcome outcome = command.run(args);
        if (outcome.status == 0)
            io.out(outcome.out);
        else
            ReportFailure(io, outcome, command.name);
        return outcome.status;
    }
    if (dash != args.positional.end() &&
        (file != args.values.end() || std::count(dash, args.positional.end(), "-") > 1)) {
        ReportFailure(io, Misused("one input at a time: '-' or --file"), command.name);
        return kStatusMisused;
    }
    if (dash != args.positional.end()) {
        const std::size_t slot = std::size_t(dash - args.positional.begin());
        args.positional.erase(dash);
        return RunBatch(command, std::move(args), slot, io.readInput, io);
    }
    std::FILE* stream = std::fopen(file->second.c_str(), "rb");
    if (!stream) {
        ReportFailure(io, Refused("cannot read '" + file->second + "': " + std::strerror(errno)),
                      command.name);
        return kStatusRefused;
    }
    int status = 0;
    {
        LineReader lines(stream);
        status = RunBatch(
            command, std::move(args), 0, [&lines](std::string& line) { return lines.next(line); },
            io);
    }
    std::fclose(stream);
    return status;
}

bool HasFile(const CommandLine& line)
{
    return std::any_of(line.options.begin(), line.options.end(),
                       [](const CommandOption& option) { return option.name == "--file"; });
}

} // namespace

int RunFerolCalc(const std::vector<std::string>& arguments, const CliIo& io)
{
    const CommandLine line = SortCommandLine(arguments);
    const std::string_view first =
        line.positional.empty() ? std::string_view() : std::string_view(line.positional.front());
    const CommandEntry* command = FindCommand(first);
    std::vector<std::string> positional = line.positional;
    if (command) {
        positional.erase(positional.begin());
    } else if ((!first.empty() &&
                ((first[0] >= '0' && first[0] <= '9') || first == "-" || IsIpv6Argument(first))) ||
               (first.empty() && line.positional.empty() && HasFile(line))) {
        // An address first means the subnet command, so "ferol-calc 10.0.0.1/8" works, and
        // so does "ferol-calc fe80::1/64".
        command = FindCommand("subnet");
    }
    if (line.help) {
        io.out(command ? command->help + kCommonOptions : kGeneralHelp);
        return 0;
    }
    if (!command && first == "help") {
        io.out(kGeneralHelp);
        return 0;
    }
    if (!command && line.version && line.positional.empty()) {
        io.out(kProgram + ' ' + FEROL_VERSION + '\n');
        return 0;
    }
    const std::string_view name = command ? command->name : std::string_view();
    if (line.failure) {
        ReportFailure(io, Misused(*line.failure), name);
        return kStatusMisused;
    }
    if (!command) {
        ReportFailure(io,
                      Misused(line.positional.empty()
                                  ? "no command given"
                                  : "unknown command '" + std::string(first) + "'"),
                      {});
        return kStatusMisused;
    }
    CommandArgs args;
    args.positional = std::move(positional);
    for (const CommandOption& option : line.options) {
        const bool common = option.name == "--json" || option.name == "--file";
        const auto& allowed = command->options;
        if (!common && std::find(allowed.begin(), allowed.end(), option.name) == allowed.end()) {
            ReportFailure(io, Misused("unknown option '" + option.spelling + "'"), name);
            return kStatusMisused;
        }
        if (option.value)
            args.values[option.name] = *option.value;
        else
            args.flags.insert(option.name);
    }
    return RunCommand(*command, std::move(args), io);
}
