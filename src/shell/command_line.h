#pragma once

// The command line a desktop user expects: --help and --version print and end the
// program before any window exists (so they work without a display); anything else the
// program does not know is an error. The program itself takes no arguments.

#include <QString>
#include <QStringList>

struct CommandLineOutcome
{
    enum class Action
    {
        Run,
        PrintHelp,
        PrintVersion,
        Fail
    };
    Action action = Action::Run;
    // What to print: to standard output for help and version, to standard error on failure.
    QString text;
};

// arguments as the program received them, its own path first.
CommandLineOutcome InterpretCommandLine(const QStringList& arguments);
