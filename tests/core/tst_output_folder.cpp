#include "core/output_folder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestOutputFolder : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString at(const QString& path) { return QDir::toNativeSeparators(m_dir.filePath(path)); }

private slots:
    // Made level by level when missing, then reused, a trailing separator or not.
    void madeThenReused()
    {
        QCOMPARE(OutputFolder(at("home/docs"), true).value,
                 at("home/docs/Ferol Subnet Calculator"));
        QVERIFY(QFile(at("home/docs/Ferol Subnet Calculator/subnets.txt")).open(QFile::WriteOnly));
        const Outcome reused = OutputFolder(at("home/docs/"), true);
        QCOMPARE(reused.value + reused.error, at("home/docs/Ferol Subnet Calculator"));
        QVERIFY(QFile::exists(at("home/docs/Ferol Subnet Calculator/subnets.txt")));
    }

    void errorsNameTheFileInTheWay_data()
    {
        QTest::addColumn<QString>("documents");
        QTest::addColumn<QString>("file");
        QTest::newRow("documents path through a file") << at("file/docs") << at("file");
        QTest::newRow("name taken by a file") << at("") << at("Ferol Subnet Calculator");
    }
    void errorsNameTheFileInTheWay()
    {
        QFETCH(QString, documents);
        QFETCH(QString, file);
        QVERIFY(QFile(file).open(QFile::WriteOnly));
        const QString error = OutputFolder(documents, true).error;
        QVERIFY2(error.contains('"' + file + '"'), qPrintable(error));
    }

    // An unknown documents folder is an error, never the current folder instead.
    void unknownDocumentsFolder()
    {
        QVERIFY(!OutputFolder(QString(), true).ok());
        QVERIFY(!QFile::exists(kOutputFolderName));
    }
};

QTEST_GUILESS_MAIN(TestOutputFolder)
#include "tst_output_folder.moc"
