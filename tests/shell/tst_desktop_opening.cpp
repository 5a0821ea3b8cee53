#include "shell/desktop_opener.h"
#include "shell/desktopshellservices.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace {

enum class Target
{
    Report,
    Document,
    WebAddress,
};

} // namespace

// What the user learns when the desktop's opener fails, with a stand-in xdg-open first on
// PATH: a script that ends the way the row says, so no real program is ever started.
class TestDesktopOpening : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QByteArray m_path = qgetenv("PATH");

    // An xdg-open that runs script (sh) first on PATH; none at all for an empty script.
    void useOpener(const QString& script)
    {
        const QString bin = m_dir.filePath("bin");
        QDir(bin).removeRecursively();
        QDir().mkpath(bin);
        qputenv("PATH", QFile::encodeName(bin) + (script.isEmpty() ? "" : ":" + m_path));
        if (script.isEmpty()) {
            // Nothing of that name anywhere: an empty PATH beyond the stand-in folder.
            qputenv("PATH", QFile::encodeName(bin));
            return;
        }
        QFile opener(bin + "/xdg-open");
        QVERIFY(opener.open(QIODevice::WriteOnly));
        opener.write("#!/bin/sh\n" + script.toUtf8() + "\n");
        opener.close();
        QVERIFY(opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }

    static QStringList shownMessages()
    {
        QStringList texts;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (box && box->isVisible())
                texts << box->text();
        }
        return texts;
    }

private slots:
    void cleanup()
    {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (qobject_cast<QMessageBox*>(widget))
                delete widget;
        qputenv("PATH", m_path);
    }

    void failuresNameWhatCouldNotBeOpened_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<Target>("target");
        QTest::addColumn<QStringList>("told"); // every message holds each of these
        const QString web = "http://www.ferol.example/ContactUs.html?EID=1";
        QTest::newRow("report, opener fails") << "exit 4" << Target::Report
                                              << QStringList{"saved", "report.txt", "no program"};
        QTest::newRow("license, opener fails")
            << "exit 3" << Target::Document << QStringList{"DODA.Subnet.rtf"};
        QTest::newRow("web address, opener fails") << "exit 4" << Target::WebAddress
                                                   << QStringList{web};
        QTest::newRow("opener killed") << "kill -9 $$" << Target::WebAddress << QStringList{web};
        QTest::newRow("no opener at all") << "" << Target::Report << QStringList{"report.txt"};
        QTest::newRow("report opened") << "exit 0" << Target::Report << QStringList{};
        QTest::newRow("web address opened") << "exit 0" << Target::WebAddress << QStringList{};
        // The stand-in sees the path as one argument, blanks and all.
        QTest::newRow("path arrives whole")
            << "test -f \"$1\" && test $# = 1" << Target::Document << QStringList{};
    }

    // Success says nothing; a failure, told a moment later, names the path or address.
    void failuresNameWhatCouldNotBeOpened()
    {
        QFETCH(QString, opener);
        QFETCH(Target, target);
        QFETCH(QStringList, told);
        useOpener(opener);
        const QString folder = m_dir.filePath("my documents");
        QDir().mkpath(folder);
        for (const char* name : {"report.txt", "DODA.Subnet.rtf"}) {
            QFile file(folder + "/" + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        DesktopShellServices services;
        QWidget window;
        window.show();
        const QString web = "http://www.ferol.example/ContactUs.html?EID=1";
        if (target == Target::Report)
            services.openInTextViewer(&window, folder + "/report.txt");
        else if (target == Target::Document)
            services.openRichTextDocument(&window, folder + "/DODA.Subnet.rtf");
        else
            services.openWebAddress(&window, web);
        if (told.isEmpty()) {
            // A success ends within the wait as well; nothing may have been told by then.
            QTest::qWait(1000);
            QCOMPARE(shownMessages(), QStringList());
            return;
        }
        QTRY_COMPARE(shownMessages().size(), 1);
        for (const QString& part : told)
            QVERIFY2(shownMessages()[0].contains(part), qPrintable(shownMessages()[0]));
    }

    void missingDocumentIsToldWithItsPath()
    {
        useOpener("exit 0");
        const QString path = QDir::toNativeSeparators(m_dir.filePath("missing file.rtf"));
        DesktopShellServices services;
        services.openRichTextDocument(nullptr, path);
        QCoreApplication::processEvents();
        QCOMPARE(shownMessages().size(), 1);
        QVERIFY2(shownMessages()[0].contains(path), qPrintable(shownMessages()[0]));
    }

    // A second request while the first opener still runs gets its own verdict, and an
    // opener that fails only after the verdict time counts as one that worked (a viewer
    // closed later by the user).
    void eachRequestHasItsOwnVerdict()
    {
        useOpener("sleep \"$1\"; exit 4");
        DesktopOpener opener(800);
        QStringList failed;
        for (const char* seconds : {"0.3", "0.2", "1.5"})
            opener.open(QUrl(seconds), [&failed, seconds] { failed << seconds; });
        QTest::qWait(2500);
        QCOMPARE(failed, QStringList({"0.2", "0.3"}));
        QCOMPARE(opener.findChildren<QObject*>().size(), 0);
    }
};

QTEST_MAIN(TestDesktopOpening)
#include "tst_desktop_opening.moc"
