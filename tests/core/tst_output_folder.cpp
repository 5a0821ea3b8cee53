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
    void createsMissingLevels_data();
    void createsMissingLevels();
    void refusesFileInTheWay_data();
    void refusesFileInTheWay();
    void outputFolderIsMadeOnceThenReused();
    void outputFolderWithoutCreateMakesNothing();
    void unwritableDocumentsGivesError();
    void unknownDocumentsGivesError();

private:
    QTemporaryDir m_dir;
    QString at(const QString& relative) const { return m_dir.filePath(relative); }
    void makeFile(const QString& relative)
    {
        QFile file(at(relative));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
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
    QTest::newRow("native separators")
        << QDir::toNativeSeparators("/srv/ann docs") << "/srv/ann docs/Ferol Subnet Calculator";
    QTest::newRow("unknown") << ""
                             << "";
}

void TestOutputFolder::pathUnderDocuments()
{
    QFETCH(QString, documents);
    QFETCH(QString, expected);
    QCOMPARE(OutputFolderPath(documents), QDir::toNativeSeparators(expected));
}

void TestOutputFolder::createsMissingLevels_data()
{
    QTest::addColumn<QString>("existing");
    QTest::addColumn<QString>("target");

    QTest::newRow("all missing") << ""
                                 << "levels1/a/b/c";
    QTest::newRow("top exists") << "levels2"
                                << "levels2/a/b";
    QTest::newRow("all exist") << "levels3/a/b"
                               << "levels3/a/b";
    QTest::newRow("blanks in names") << ""
                                     << "levels4/with blank/and another";
}

void TestOutputFolder::createsMissingLevels()
{
    QFETCH(QString, existing);
    QFETCH(QString, target);
    QVERIFY(m_dir.isValid());
    if (!existing.isEmpty()) {
        QVERIFY(QDir().mkpath(at(existing)));
        makeFile(existing + "/kept.txt");
    }

    const ServiceResult result = CreateFolderPath(QDir::toNativeSeparators(at(target)));

    QVERIFY2(result.ok(), qPrintable(result.error));
    QVERIFY(QFileInfo(at(target)).isDir());
    if (!existing.isEmpty())
        QVERIFY(QFileInfo::exists(at(existing + "/kept.txt")));
}

void TestOutputFolder::refusesFileInTheWay_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("target");

    QTest::newRow("target is a file") << "blocked1"
                                      << "blocked1";
    QTest::newRow("parent is a file") << "blocked2"
                                      << "blocked2/sub";
    QTest::newRow("upper level is a file") << "blocked3"
                                           << "blocked3/a/b";
}

void TestOutputFolder::refusesFileInTheWay()
{
    QFETCH(QString, file);
    QFETCH(QString, target);
    QVERIFY(m_dir.isValid());
    makeFile(file);

    const ServiceResult result = CreateFolderPath(at(target));

    QVERIFY(!result.ok());
    QVERIFY2(result.error.contains(QDir::toNativeSeparators(at(file))), qPrintable(result.error));
    QVERIFY(QFileInfo(at(file)).isFile());
}

void TestOutputFolder::outputFolderIsMadeOnceThenReused()
{
    QVERIFY(QDir().mkpath(at("docs1")));

    const FolderResult first = OutputFolder(at("docs1"), true);
    QVERIFY2(first.ok(), qPrintable(first.error));
    QCOMPARE(first.path, QDir::toNativeSeparators(at("docs1/Ferol Subnet Calculator")));
    QCOMPARE(QDir(at("docs1")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{"Ferol Subnet Calculator"});
    makeFile("docs1/Ferol Subnet Calculator/subnets.txt");

    const FolderResult second = OutputFolder(at("docs1"), true);
    QVERIFY2(second.ok(), qPrintable(second.error));
    QCOMPARE(second.path, first.path);
    QVERIFY(QFileInfo::exists(at("docs1/Ferol Subnet Calculator/subnets.txt")));
}

void TestOutputFolder::outputFolderWithoutCreateMakesNothing()
{
    QVERIFY(QDir().mkpath(at("docs2")));

    const FolderResult result = OutputFolder(at("docs2"), false);

    QVERIFY(result.ok());
    QCOMPARE(result.path, QDir::toNativeSeparators(at("docs2/Ferol Subnet Calculator")));
    QVERIFY(!QFileInfo::exists(result.path));
}

void TestOutputFolder::unwritableDocumentsGivesError()
{
    // A file in the middle of the path stops the creation even for root, which
    // permission bits would not.
    makeFile("notafolder");

    const FolderResult result = OutputFolder(at("notafolder/docs"), true);

    QVERIFY(!result.ok());
    QVERIFY2(result.error.contains(QDir::toNativeSeparators(at("notafolder"))),
             qPrintable(result.error));
    QCOMPARE(result.path, QDir::toNativeSeparators(at("notafolder/docs/Ferol Subnet Calculator")));
}

void TestOutputFolder::unknownDocumentsGivesError()
{
    const FolderResult result = OutputFolder(QString(), true);

    QVERIFY(!result.ok());
    QVERIFY(result.path.isEmpty());
    QVERIFY(!QFileInfo::exists(QDir::rootPath() + "Ferol Subnet Calculator"));
    QVERIFY(!QFileInfo::exists(QDir::current().filePath("Ferol Subnet Calculator")));
}

FEROL_REGISTER_TEST(TestOutputFolder)
#include "tst_output_folder.moc"
