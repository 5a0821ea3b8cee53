#include "shell/program_folder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestProgramFolder : public QObject
{
    Q_OBJECT

private slots:
    // Paths under a fresh root: the folders (and the .txt files) present, the data folder
    // relative to the executable's folder "usr/bin", and the folder expected.
    void dataFolderOnlyWhenItExists_data()
    {
        QTest::addColumn<QString>("present");
        QTest::addColumn<QString>("relative");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, const char* present, const char* relative,
                            const char* expected) {
            QTest::newRow(name) << QString(present) << QString(relative) << QString(expected);
        };
        const char* data = "../share/ferol-subnet-calculator";
        row("installed", "usr/bin usr/share/ferol-subnet-calculator", data,
            "usr/share/ferol-subnet-calculator");
        row("build tree", "usr/bin", data, "usr/bin");
        row("data name is a file", "usr/bin usr/share/ferol-subnet-calculator.d/x.txt",
            "../share/ferol-subnet-calculator.d/x.txt", "usr/bin");
        row("no relative path", "usr/bin usr/share/ferol-subnet-calculator", "", "usr/bin");
    }
    void dataFolderOnlyWhenItExists()
    {
        QFETCH(QString, present);
        QFETCH(QString, relative);
        QFETCH(QString, expected);
        QTemporaryDir root;
        for (const QString& path : present.split(' ')) {
            const QString full = root.filePath(path);
            QVERIFY(QDir().mkpath(path.endsWith(".txt") ? QFileInfo(full).path() : full));
            QVERIFY(!path.endsWith(".txt") || QFile(full).open(QIODevice::WriteOnly));
        }
        QCOMPARE(ProgramFolder(root.filePath("usr/bin"), relative),
                 QDir::cleanPath(root.filePath(expected)));
    }
};

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "tst_program_folder.moc"
