#include "shell/desktopshellservices.h"
#include "support/testregistry.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// Only what runs without leaving the process: the calls that would start a program are
// checked on files that do not exist, which the services refuse before starting anything.
class TestDesktopShellServices : public QObject
{
    Q_OBJECT

private slots:
    void trailingSeparator_data();
    void trailingSeparator();
    void appFolderIsTheProgramsFolder();
    void missingDocumentIsRefused_data();
    void missingDocumentIsRefused();
};

void TestDesktopShellServices::trailingSeparator_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("expected");

    QTest::newRow("without") << "/opt/ferol"
                             << "/opt/ferol/";
    QTest::newRow("with one") << "/opt/ferol/"
                              << "/opt/ferol/";
    QTest::newRow("with two") << "/opt/ferol//"
                              << "/opt/ferol/";
    QTest::newRow("root") << "/"
                          << "/";
    QTest::newRow("drive root") << "C:/"
                                << "C:/";
    QTest::newRow("blanks") << "/opt/my apps"
                            << "/opt/my apps/";
    QTest::newRow("empty") << ""
                           << "";
}

void TestDesktopShellServices::trailingSeparator()
{
    QFETCH(QString, folder);
    QFETCH(QString, expected);
    QCOMPARE(WithTrailingSeparator(QDir::toNativeSeparators(folder)),
             QDir::toNativeSeparators(expected));
}

void TestDesktopShellServices::appFolderIsTheProgramsFolder()
{
    const QString folder = DesktopShellServices().appFolder();
    QCOMPARE(QDir(folder).canonicalPath(),
             QDir(QCoreApplication::applicationDirPath()).canonicalPath());
    QVERIFY(folder.endsWith(QDir::separator()));
    QVERIFY(!folder.chopped(1).endsWith(QDir::separator()));
}

void TestDesktopShellServices::missingDocumentIsRefused_data()
{
    QTest::addColumn<bool>("richText");

    QTest::newRow("report") << false;
    QTest::newRow("license") << true;
}

void TestDesktopShellServices::missingDocumentIsRefused()
{
    QFETCH(bool, richText);
    QTemporaryDir dir;
    const QString path = QDir::toNativeSeparators(dir.filePath("missing file.txt"));
    DesktopShellServices services;

    const ServiceResult result =
        richText ? services.openRichTextDocument(path) : services.openInTextViewer(path);

    QVERIFY(!result.ok());
    QVERIFY2(result.error.contains(path), qPrintable(result.error));
}

FEROL_REGISTER_TEST(TestDesktopShellServices)
#include "tst_desktopshellservices.moc"
