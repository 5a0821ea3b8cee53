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

    // A file in the way is named: where the documents path runs through one, or where the
    // folder should be.
    void errorsNameTheFileInTheWay()
    {
        QVERIFY(QFile(at("file")).open(QFile::WriteOnly));
        QVERIFY(QFile(at("Ferol Subnet Calculator")).open(QFile::WriteOnly));
        QVERIFY(OutputFolder(at("file/docs"), true).error.contains('"' + at("file") + '"'));
        const QString taken = OutputFolder(at(""), true).error;
        QVERIFY2(taken.contains('"' + at("Ferol Subnet Calculator") + '"'), qPrintable(taken));
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
