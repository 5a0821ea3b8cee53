#pragma once

// The one place where ferol-calc's commands and options are declared. The argument sorter,
// the help texts, the completions (through `ferol-calc --complete`) and the manual page's
// check all read these tables, so a command or option added here is known everywhere.
//
// An option's scope says where it may stand: one that shapes a single answer may also stand
// on a batch line and then applies to that line; one that shapes the whole output belongs
// on the command line alone.

#include "cli/cli_command.h"

#include <span>
#include <string_view>

enum class OptionScope
{
    Answer,  // shapes one answer: allowed on a batch line
    Output,  // shapes the whole output or input: the command line only
    Program, // --help, --version
};

struct OptionEntry
{
    std::string_view name;      // the long spelling, "--count"
    char shortName;             // 'n', or 0 for none
    std::string_view valueName; // "N" for an option that takes a value, else empty
    OptionScope scope;
    std::string_view help; // one line
};

// How a command reads "-" or --file.
enum class BatchShape
{
    EachLine, // every line is answered on its own
    AllLines, // the lines together are the command's list of arguments, answered once
};

// The exit status a command gives when an argument is refused.
enum class StatusRule
{
    Plain,    // 1 for a refused argument, 2 for wrong usage
    LikeGrep, // 1 for "no", 2 for a refused argument or wrong usage
};

struct CommandOptionRef
{
    std::string_view name;
    std::string_view help = {}; // this command's own wording, where it differs
};

struct CommandEntry
{
    std::string_view name;
    std::string_view alias;                // another name that means the same command, or empty
    std::string_view arguments;            // "ADDRESS/LEN NEWLEN"
    std::string_view summary;              // one line for the general help and the completions
    std::string usage;                     // the command's own help, before its options
    std::vector<CommandOptionRef> options; // beyond the ones every command takes
    CliOutcome (*run)(const CommandArgs&);
    BatchShape batch = BatchShape::EachLine;
    StatusRule status = StatusRule::Plain;
};

std::span<const OptionEntry> Options();
std::span<const CommandEntry> Commands();
// Every command takes these.
std::span<const std::string_view> CommonOptions();

const OptionEntry* FindOption(std::string_view longName);
const OptionEntry* FindShortOption(char shortName);
const CommandEntry* FindCommand(std::string_view nameOrAlias);
bool CommandTakes(const CommandEntry& command, std::string_view option);

// The general help, and a command's own.
std::string GeneralHelp();
std::string CommandHelp(const CommandEntry& command);

// For the shells: what may follow once `command` (the first word that is not an option;
// empty when there is none yet) has been typed, one "word<TAB>summary" a line; an option
// that takes a value ends in "=". Before a command: the commands and every option; after
// "help": the commands; after a command or an address: that command's options.
std::string CompletionWords(std::string_view command);
