#pragma once

// ferol-calc from its arguments to its exit status: the options are sorted out wherever
// they stand, the first word names the command (an address or "-" means "subnet"), and
// the command answers or refuses, once or for every line of a batch.
//
//   arguments -> options and positionals -> command table -> Run<Command> -> outcome
//
// Exit statuses: 0 answered, 1 an argument refused, 2 wrong usage or input that cannot
// be read (contains answers like grep: 1 for "no", 2 for a refused argument). Whatever
// goes wrong goes to standard error with the program and command named, input shown
// printable and cut short; standard output then stays empty. A batch ("-" or --file)
// answers every good line, names each bad one (refused, too long, not UTF-8) by its line
// number, and ends with 1 when there was any.

#include "cli/line_reader.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct CliIo
{
    LineReader* input; // standard input
    std::function<void(std::string_view)> out;
    std::function<void(std::string_view)> err;
    // The text out() gathers before writing it, when it gathers: a batch appends its answers
    // to it in place, and once it holds outBlockSize bytes calls out() (with nothing more)
    // so that the block is written.
    std::string* outGathering = nullptr;
    std::size_t outBlockSize = 0;
};

// The arguments without the program name.
int RunFerolCalc(const std::vector<std::string>& arguments, const CliIo& io);
