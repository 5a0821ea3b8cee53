#include "shell/command_line.h"

#include <QTest>

using Action = CommandLineOutcome::Action;

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void interpretsArguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("textHolds");
        const QString version = "Ferol Subnet Calculator " FEROL_PROJECT_VERSION "\n";
        QTest::newRow("none") << QStringList{} << Action::Run << "";
        QTest::newRow("--version") << QStringList{"--version"} << Action::PrintVersion << version;
        QTest::newRow("-v") << QStringList{"-v"} << Action::PrintVersion << version;
        QTest::newRow("--help") << QStringList{"--help"} << Action::PrintHelp << "--version";
        QTest::newRow("-h") << QStringList{"-h"} << Action::PrintHelp << "Wildcard Checker";
        QTest::newRow("help beside a bad option")
            << QStringList{"--bogus", "--help"} << Action::PrintHelp << "--help";
        QTest::newRow("unknown option") << QStringList{"--bogus"} << Action::Fail << "'bogus'";
        QTest::newRow("Qt's help-all") << QStringList{"--help-all"} << Action::Fail << "help-all";
        QTest::newRow("file argument")
            << QStringList{"subnets.txt"} << Action::Fail << "'subnets.txt'";
    }

    void interpretsArguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(Action, action);
        QFETCH(QString, textHolds);
        const CommandLineOutcome outcome =
            InterpretCommandLine(QStringList{"ferol-subnet-calculator"} + arguments);
        QCOMPARE(outcome.action, action);
        if (action == Action::PrintVersion)
            QCOMPARE(outcome.text, textHolds);
        else
            QVERIFY2(outcome.text.contains(textHolds), qPrintable(outcome.text));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_command_line.moc"
