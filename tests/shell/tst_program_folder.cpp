#include "shell/program_folder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestProgramFolder : public QObject
{
    Q_OBJECT

    QTemporaryDir m_root;

    // Makes path (relative to the temporary root) a folder, or a file when it has a dot.
    void make(const QString& path)
    {
        const QString full = m_root.filePath(path);
        if (QFileInfo(path).suffix().isEmpty()) {
            QVERIFY(QDir().mkpath(full));
        } else {
            QVERIFY(QDir().mkpath(QFileInfo(full).path()));
            QFile file(full);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
    }

private slots:
    void dataFolderOnlyWhenItExists_data()
    {
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QString>("relative");
        QTest::addColumn<QString>("expected");
        const QString data = "../share/ferol-subnet-calculator";
        QTest::newRow("installed") << QStringList{"usr/bin", "usr/share/ferol-subnet-calculator"}
                                   << data << "usr/share/ferol-subnet-calculator";
        QTest::newRow("build tree") << QStringList{"usr/bin"} << data << "usr/bin";
        QTest::newRow("data name is a file")
            << QStringList{"usr/bin", "usr/share/ferol-subnet-calculator.d/x.txt"}
            << "../share/ferol-subnet-calculator.d/x.txt"
            << "usr/bin";
        QTest::newRow("no relative path")
            << QStringList{"usr/bin", "usr/share/ferol-subnet-calculator"} << QString()
            << "usr/bin";
    }

    void dataFolderOnlyWhenItExists()
    {
        QFETCH(QStringList, present);
        QFETCH(QString, relative);
        QFETCH(QString, expected);
        QVERIFY(m_root.isValid());
        QVERIFY(QDir(m_root.path()).removeRecursively() && QDir().mkpath(m_root.path()));
        for (const QString& path : present)
            make(path);
        QCOMPARE(ProgramFolder(m_root.filePath("usr/bin"), relative),
                 QDir::cleanPath(m_root.filePath(expected)));
    }
};

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "tst_program_folder.moc"
