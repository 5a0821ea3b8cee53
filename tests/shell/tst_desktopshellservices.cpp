#include "shell/desktopshellservices.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestDesktopShellServices : public QObject
{
    Q_OBJECT

private slots:
    void folderGetsExactlyOneTrailingSeparator()
    {
        QStringList shown;
        for (const char* folder : {"/opt/my apps", "/opt/ferol//", "/", ""})
            shown << QDir::fromNativeSeparators(
                WithTrailingSeparator(QDir::toNativeSeparators(folder)));
        QCOMPARE(shown.join('|'), "/opt/my apps/|/opt/ferol/|/|");
    }

    // Checked on a file that does not exist, so no viewer is ever started.
    void missingDocumentIsRefusedWithItsPath()
    {
        QTemporaryDir dir;
        const QString path = QDir::toNativeSeparators(dir.filePath("missing file.txt"));
        DesktopShellServices services;
        for (const ServiceResult& result :
             {services.openInTextViewer(path), services.openRichTextDocument(path)})
            QVERIFY2(!result.ok() && result.error.contains(path), qPrintable(result.error));
    }
};

QTEST_MAIN(TestDesktopShellServices)
#include "tst_desktopshellservices.moc"
