#include "core/output_folder.h"
#include "support/testregistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class TestOutputFolder : public QObject
{
    Q_OBJECT

private slots:
    void pathUnderDocuments_data();
    void pathUnderDocuments();
    void createFolderPath_data();
    void createFolderPath();
    void outputFolderIsMadeOnceThenReused();
    void outputFolderErrors_data();
    void outputFolderErrors();

private:
    QString at(const QString& relative) const { return m_dir.filePath(relative); }
    bool makeFile(const QString& relative)
    {
        return QFile(at(relative)).open(QIODevice::WriteOnly);
    }

    QTemporaryDir m_dir;
};

void TestOutputFolder::pathUnderDocuments_data()
{
    QTest::addColumn<QString>("documents");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain") << "/home/ann/Documents"
                           << "/home/ann/Documents/Ferol Subnet Calculator";
    QTest::newRow("trailing separator") << "/home/ann/Documents/"
                                        << "/home/ann/Documents/Ferol Subnet Calculator";
    QTest::newRow("root") << "/"
                          << "/Ferol Subnet Calculator";
    QTest::newRow("unknown") << ""
                             << "";
}

void TestOutputFolder::pathUnderDocuments()
{
    QFETCH(QString, documents);
    QFETCH(QString, expected);
    QCOMPARE(OutputFolderPath(QDir::toNativeSeparators(documents)),
             QDir::toNativeSeparators(expected));
}

void TestOutputFolder::createFolderPath_data()
{
    QTest::addColumn<QString>("existingFolder");
    QTest::addColumn<QString>("existingFile");
    QTest::addColumn<QString>("target");

    QTest::newRow("all missing") << ""
                                 << ""
                                 << "a1/b/c d";
    QTest::newRow("top exists") << "a2"
                                << ""
                                << "a2/b/c";
    QTest::newRow("all exist") << "a3/b"
                               << ""
                               << "a3/b";
    QTest::newRow("target is a file") << ""
                                      << "a4"
                                      << "a4";
    QTest::newRow("upper level is a file") << ""
                                           << "a5"
                                           << "a5/b/c";
}

void TestOutputFolder::createFolderPath()
{
    QFETCH(QString, existingFolder);
    QFETCH(QString, existingFile);
    QFETCH(QString, target);
    if (!existingFolder.isEmpty()) {
        QVERIFY(QDir().mkpath(at(existingFolder)));
        QVERIFY(makeFile(existingFolder + "/kept.txt"));
    }
    if (!existingFile.isEmpty())
        QVERIFY(makeFile(existingFile));

    const ServiceResult result = CreateFolderPath(QDir::toNativeSeparators(at(target)));

    if (existingFile.isEmpty()) {
        QVERIFY2(result.ok(), qPrintable(result.error));
        QVERIFY(QFileInfo(at(target)).isDir());
    } else {
        QVERIFY(!result.ok());
        QVERIFY2(result.error.contains(QDir::toNativeSeparators(at(existingFile))),
                 qPrintable(result.error));
        QVERIFY(QFileInfo(at(existingFile)).isFile());
    }
    if (!existingFolder.isEmpty())
        QVERIFY(QFileInfo::exists(at(existingFolder + "/kept.txt")));
}

void TestOutputFolder::outputFolderIsMadeOnceThenReused()
{
    QVERIFY(QDir().mkpath(at("docs")));

    const FolderResult first = OutputFolder(at("docs"), true);
    QVERIFY2(first.ok(), qPrintable(first.error));
    QCOMPARE(first.path, QDir::toNativeSeparators(at("docs/Ferol Subnet Calculator")));
    QCOMPARE(QDir(at("docs")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{"Ferol Subnet Calculator"});
    QVERIFY(makeFile("docs/Ferol Subnet Calculator/subnets.txt"));

    const FolderResult second = OutputFolder(at("docs"), true);
    QVERIFY2(second.ok(), qPrintable(second.error));
    QCOMPARE(second.path, first.path);
    QVERIFY(QFileInfo::exists(at("docs/Ferol Subnet Calculator/subnets.txt")));
}

void TestOutputFolder::outputFolderErrors_data()
{
    QTest::addColumn<QString>("documents");
    QTest::addColumn<QString>("named");

    // A file in the path stops the creation even for root, which permission bits don't.
    QTest::newRow("unwritable documents") << "notafolder/docs"
                                          << "notafolder";
    QTest::newRow("unknown documents") << ""
                                       << "";
}

void TestOutputFolder::outputFolderErrors()
{
    QFETCH(QString, documents);
    QFETCH(QString, named);
    QVERIFY(makeFile("notafolder"));

    const FolderResult result = OutputFolder(documents.isEmpty() ? "" : at(documents), true);

    QVERIFY(!result.ok());
    if (!named.isEmpty())
        QVERIFY2(result.error.contains(QDir::toNativeSeparators(at(named))),
                 qPrintable(result.error));
    QVERIFY(!QFileInfo::exists(QDir::rootPath() + "Ferol Subnet Calculator"));
    QVERIFY(!QFileInfo::exists(QDir::current().filePath("Ferol Subnet Calculator")));
}

FEROL_REGISTER_TEST(TestOutputFolder)
#include "tst_output_folder.moc"
