#include "shell/command_line.h"

#include <QTest>

using Action = CommandLineOutcome::Action;

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void interpretsArguments_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("textHolds"); // the whole text for the version
        const auto row = [](const char* arguments, Action action, const QString& textHolds) {
            QTest::newRow(arguments) << QString(arguments) << action << textHolds;
        };
        row("", Action::Run, "");
        row("--version", Action::PrintVersion,
            "Ferol Subnet Calculator " FEROL_PROJECT_VERSION "\n");
        row("-h", Action::PrintHelp, "Wildcard Checker");
        row("--bogus --help", Action::PrintHelp, "--version");
        row("--bogus", Action::Fail, "'bogus'");
        row("--help-all", Action::Fail, "help-all");
        row("subnets.txt", Action::Fail, "'subnets.txt'");
    }

    void interpretsArguments()
    {
        QFETCH(QString, arguments);
        QFETCH(Action, action);
        QFETCH(QString, textHolds);
        const CommandLineOutcome outcome = InterpretCommandLine(
            ("ferol-subnet-calculator " + arguments).split(' ', Qt::SkipEmptyParts));
        QCOMPARE(outcome.action, action);
        if (action == Action::PrintVersion)
            QCOMPARE(outcome.text, textHolds);
        else
            QVERIFY2(outcome.text.contains(textHolds), qPrintable(outcome.text));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_command_line.moc"
