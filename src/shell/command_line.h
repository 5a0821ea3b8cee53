#pragma once

// The command line a desktop user expects: --help and --version print and end the
// program before any window exists (so they work without a display); one file name opens
// that plan in the planner tab, as the desktop passes it; --language CODE overrides the
// system's language; anything else the program does not know is an error.

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
    // The plan to open, as given; empty when none was.
    QString planFile;
};

// arguments as the program received them, its own path first.
CommandLineOutcome InterpretCommandLine(const QStringList& arguments);
