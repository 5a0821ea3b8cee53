#include "ferol_version.h"
#include "shell/command_line.h"
#include "shell/desktopshellservices.h"
#include "shell/program_folder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using Action = CommandLineOutcome::Action;

// What the program takes from its surroundings before and besides its window: the command
// line, the folder of its own files, and the desktop that shows its documents.
class TestProgramEnvironment : public QObject
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
        row("--version", Action::PrintVersion, "Ferol Subnet Calculator " FEROL_VERSION "\n");
        row("-h", Action::PrintHelp, "Wildcard Checker");
        row("--bogus --help", Action::PrintHelp, "--version");
        row("--bogus", Action::Fail, "'bogus'");
        row("--help-all", Action::Fail, "help-all");
        row("subnets.txt", Action::Fail, "'subnets.txt'.\nTry '--help'");
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

    // The data folder is named relative to the executable's folder "bin"; where none is,
    // the program's files are looked for beside the executable.
    void dataFolderOnlyWhereOneExists_data()
    {
        QTest::addColumn<QString>("dataFromBin");
        QTest::addColumn<QString>("folder");
        const auto row = [](const char* name, const char* dataFromBin, const char* folder) {
            QTest::newRow(name) << QString(dataFromBin) << QString(folder);
        };
        row("a folder", "../share/ferol", "/share/ferol");
        row("missing", "../share/none", "/bin");
        row("a file", "../share/ferol.txt", "/bin");
        row("none compiled in", "", "/bin");
    }
    void dataFolderOnlyWhereOneExists()
    {
        QFETCH(QString, dataFromBin);
        QFETCH(QString, folder);
        QTemporaryDir root;
        QVERIFY(QDir(root.path()).mkpath("bin") && QDir(root.path()).mkpath("share/ferol"));
        QVERIFY(QFile(root.filePath("share/ferol.txt")).open(QIODevice::WriteOnly));
        QCOMPARE(ProgramFolder(root.filePath("bin"), dataFromBin), root.path() + folder);
    }

    void folderGetsExactlyOneTrailingSeparator_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char* name, const char* folder, const char* shown) {
            QTest::newRow(name) << QString(folder) << QString(shown);
        };
        row("a blank in it", "/opt/my apps", "/opt/my apps/");
        row("two already", "/opt/ferol//", "/opt/ferol/");
        row("the root", "/", "/");
        row("empty", "", "");
    }
    void folderGetsExactlyOneTrailingSeparator()
    {
        QFETCH(QString, folder);
        QFETCH(QString, shown);
        QCOMPARE(
            QDir::fromNativeSeparators(WithTrailingSeparator(QDir::toNativeSeparators(folder))),
            shown);
    }
};

QTEST_GUILESS_MAIN(TestProgramEnvironment)
#include "tst_program_environment.moc"
