#include "ferol_version.h"
#include "shell/command_line.h"
#include "shell/desktopshellservices.h"
#include "shell/program_folder.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

using Action = CommandLineOutcome::Action;

// What the program takes from its surroundings besides its window: the command line, the
// folder of its own files, and the desktop's opener, here a stand-in xdg-open first on
// PATH that ends the way the row says, so that no real program is ever started.
class TestProgramEnvironment : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    const QByteArray m_path = qgetenv("PATH");

    // PATH starts with a folder whose xdg-open runs script, or holds only that folder,
    // empty, for no script.
    void useOpener(const QString& script)
    {
        const QString bin = m_dir.filePath("bin");
        QDir(bin).removeRecursively();
        QDir().mkpath(bin);
        qputenv("PATH", QFile::encodeName(bin));
        QFile opener(bin + "/xdg-open");
        if (script.isEmpty() || !opener.open(QIODevice::WriteOnly))
            return;
        opener.write("#!/bin/sh\n" + script.toUtf8() + "\n");
        opener.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        qputenv("PATH", QFile::encodeName(bin) + ":" + m_path);
    }

    static QStringList shownMessages()
    {
        QStringList texts;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible())
                texts << box->text();
        return texts;
    }

private slots:
    void cleanup()
    {
        qDeleteAll(QApplication::topLevelWidgets());
        qputenv("PATH", m_path);
    }

    void interpretsArguments_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("textHolds");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("planFile");
        // Columns after the action: what the text holds, the language, the plan file.
        const auto row = [](const char* name, const QString& arguments, Action action,
                            const QString& textHolds, const QString& language = {},
                            const QString& planFile = {}) {
            QTest::newRow(name) << arguments << action << textHolds << language << planFile;
        };
        row("none", "", Action::Run, "");
        row("version", "--version", Action::PrintVersion,
            "Ferol Subnet Calculator " FEROL_VERSION "\n");
        row("help beside bad", "--bogus --help", Action::PrintHelp, "--version");
        row("Qt's help", "--help-all", Action::Fail, "'help-all'");
        row("language without code", "--language", Action::Fail, "language");
        row("a plan in a language", "--language de lab.ferolplan", Action::Run, "", "de",
            "lab.ferolplan");
        row("two files", "a.ferolplan b.ferolplan", Action::Fail, "'b.ferolplan'.\nTry '--help'");
    }

    void interpretsArguments()
    {
        QFETCH(QString, arguments);
        QFETCH(Action, action);
        QFETCH(QString, textHolds);
        QFETCH(QString, language);
        QFETCH(QString, planFile);
        const CommandLineOutcome outcome = InterpretCommandLine(
            ("ferol-subnet-calculator " + arguments).split(' ', Qt::SkipEmptyParts));
        QCOMPARE(outcome.action, action);
        QVERIFY2(outcome.text.contains(textHolds), qPrintable(outcome.text));
        QCOMPARE(outcome.language, language);
        QCOMPARE(outcome.planFile, planFile);
    }

    // The data folder is named relative to the executable's folder "bin"; where none is,
    // the program's files are looked for beside the executable.
    void dataFolderOnlyWhereOneExists_data()
    {
        QTest::addColumn<QString>("dataFromBin");
        QTest::addColumn<QString>("folder");
        QTest::newRow("a folder") << QString("../share/ferol") << "/share/ferol";
        QTest::newRow("missing") << QString("../share/none") << "/bin";
        QTest::newRow("none compiled in") << QString() << "/bin";
    }

    void dataFolderOnlyWhereOneExists()
    {
        QFETCH(QString, dataFromBin);
        QFETCH(QString, folder);
        QVERIFY(QDir(m_dir.path()).mkpath("bin") && QDir(m_dir.path()).mkpath("share/ferol"));
        QCOMPARE(ProgramFolder(m_dir.filePath("bin"), dataFromBin), m_dir.path() + folder);
        QCOMPARE(WithTrailingSeparator(m_dir.path() + folder + "//"), m_dir.path() + folder + "/");
    }

    void failuresNameWhatCouldNotBeOpened_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<Opening>("what");
        QTest::addColumn<QString>("target"); // in the documents folder, or an address
        QTest::addColumn<QString>("told");   // in the message; none for an empty text
        const QString web = "http://www.ferol.example/ContactUs.html?EID=1";
        const auto row = [](const char* name, const char* opener, Opening what,
                            const QString& target, const QString& told) {
            QTest::newRow(name) << QString(opener) << what << target << told;
        };
        row("report, opener fails", "exit 4", Opening::Report, "report.txt", "saved as");
        row("license, opener fails", "exit 3", Opening::LicenseDocument, "DODA.Subnet.rtf",
            "The EULA Is Unavailable");
        row("web address, opener fails", "exit 4", Opening::WebAddress, web, web);
        row("no opener at all", "", Opening::Report, "report.txt", "report.txt");
        // The stand-in also checks that the path, blanks and all, is its one argument.
        row("report opened", "test -f \"$1\" && test $# = 1", Opening::Report, "report.txt", "");
    }

    // Success says nothing; a failure, told a moment later, names the path or address.
    void failuresNameWhatCouldNotBeOpened()
    {
        QFETCH(QString, opener);
        QFETCH(Opening, what);
        QFETCH(QString, target);
        QFETCH(QString, told);
        useOpener(opener);
        const QDir documents(m_dir.filePath("my documents"));
        documents.mkpath(".");
        for (const char* name : {"report.txt", "DODA.Subnet.rtf"})
            QFile(documents.filePath(name)).open(QIODevice::WriteOnly);
        const QString path = QDir::toNativeSeparators(documents.filePath(target));
        DesktopShellServices services;
        QWidget window;
        window.show();
        if (what == Opening::Report)
            services.openInTextViewer(&window, path);
        else if (what == Opening::LicenseDocument)
            services.openRichTextDocument(&window, path);
        else
            services.openWebAddress(&window, target);
        if (told.isEmpty()) {
            // A success ends within the wait as well; nothing may have been told by then.
            QTest::qWait(1000);
            QCOMPARE(shownMessages(), QStringList());
            return;
        }
        QTRY_COMPARE(shownMessages().size(), 1);
        const QString message = shownMessages()[0];
        QVERIFY2(message.contains(told) && (what == Opening::WebAddress || message.contains(path)),
                 qPrintable(message));
    }
};

QTEST_MAIN(TestProgramEnvironment)
#include "tst_program_environment.moc"
