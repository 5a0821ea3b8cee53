#include "shell/command_line.h"

#include "shell/program_info.h"

#include <QCommandLineParser>

CommandLineOutcome InterpretCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(FileDescription());
    // Not addHelpOption(): its --help-all lists Qt's own options, which only a running
    // QGuiApplication can name, and help must not need a display.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays help on commandline options."));
    parser.addOption(help);
    const QCommandLineOption language(QStringLiteral("language"),
                                      QStringLiteral("Shows the windows in language CODE (de, fr, "
                                                     "es, pt_BR, ru, zh_CN, en)."),
                                      QStringLiteral("CODE"));
    parser.addOption(language);
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A plan to open in the planner tab."),
                                 QStringLiteral("[file]"));
    const bool understood = parser.parse(arguments);

    // Help and version win over a bad argument beside them, as in most programs.
    if (parser.isSet(help))
        return {CommandLineOutcome::Action::PrintHelp, parser.helpText(), {}, {}};
    if (parser.isSet(version))
        return {CommandLineOutcome::Action::PrintVersion,
                AppTitle() + QLatin1Char(' ') + CompiledVersion().toString() + QLatin1Char('\n'),
                {},
                {}};
    QString error;
    if (!understood)
        error = parser.errorText();
    else if (parser.positionalArguments().size() > 1)
        error = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().at(1));
    if (!error.isEmpty())
        return {CommandLineOutcome::Action::Fail,
                error + QStringLiteral("\nTry '--help' for the options.\n"),
                {},
                {}};
    CommandLineOutcome run;
    run.language = parser.value(language);
    if (!parser.positionalArguments().isEmpty())
        run.planFile = parser.positionalArguments().constFirst();
    return run;
}
