#pragma once

// The words of a command line sorted into options and positionals before the command is
// known, so options may stand anywhere: before the command, between its arguments or
// after them. An option takes its value as "--count=5", "--count 5", "-n5" or "-n 5"; a
// word that starts with "-" and a digit is a (negative) number, not an option; "-" alone
// is an argument (standard input); after "--" every word is an argument.

#include <optional>
#include <string>
#include <vector>

struct CommandOption
{
    std::string name;     // the long spelling: "--count" for "-n" too
    std::string spelling; // as typed, for messages
    std::optional<std::string> value;
};

struct CommandLine
{
    std::vector<std::string> positional;
    std::vector<CommandOption> options; // neither --help nor --version
    bool help = false;
    bool version = false;
    std::optional<std::string> failure; // the first usage error met
};

CommandLine SortCommandLine(const std::vector<std::string>& arguments);
