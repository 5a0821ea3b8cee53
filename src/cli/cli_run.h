#pragma once

// ferol-calc from its arguments to its outcome, without touching the process: the first
// argument names the command (or is an address, which means "subnet"), the options are
// sorted out per command, and the command answers or refuses. main() only prints.
//
//   arguments -> command table -> options and positionals -> Run<Command> -> outcome
//
// Exit statuses: 0 answered, 1 an argument refused, 2 wrong usage. Whatever goes wrong
// goes to standard error with the program and command named; standard output then stays
// empty.

#include "cli/cli_command.h"

#include <QStringList>

// The arguments without the program name.
CliOutcome RunFerolCalc(const QStringList& arguments);
