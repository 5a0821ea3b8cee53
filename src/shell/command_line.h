#pragma once

// The command line a desktop user expects: --help and --version print and end the
// program before any window exists (so they work without a display); anything else the
// program does not know is an error. The program itself takes one option, --language CODE,
// which overrides the system's language.

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
    // The --language code, empty when the system's language rules.
    QString language;
};

// arguments as the program received them, its own path first.
CommandLineOutcome InterpretCommandLine(const QStringList& arguments);
