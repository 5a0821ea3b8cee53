#include "core/maker_links.h"
#include "testing/recordingshellservices.h"
#include "webpane/page_composition.h"
#include "webpane/ucferol.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

// The pane where no browser plugin can be loaded: the first folder holds a broken one,
// the second none. The first test sees it made.
class tst_ucferol : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_services.appFolderPath = FEROL_PANE_IMAGES_DIR;
        // So that the pane looks for its plugin even as root.
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        QFile broken(m_brokenPlugin.filePath("libferol-webpane-browser.so"));
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("not a plugin") > 0);
        m_pane.resize(m_pane.sizeHint());
    }

    // Made on the first show only, in the design colour until told otherwise; its three
    // images show and its first "More" link goes out, leaving the page as it was.
    void fallbackPage()
    {
        QSignalSpy composed(&m_pane, &ucFerol::pageComposed);
        QVERIFY(m_pane.findChildren<QWidget*>().isEmpty());
        QCOMPARE(m_pane.palette().color(QPalette::Window), QColor(0xFF, 0x80, 0x80));
        m_pane.show();
        m_pane.hide();
        m_pane.show();
        QCOMPARE(m_pane.findChildren<QTextBrowser*>().size(), 1);
        QCOMPARE(composed.count(), 1);
        auto* browser = m_pane.findChild<QTextBrowser*>("txtFerol");
        QVERIFY(browser);
        for (const QString& source : PaneImagesFromFolder(FEROL_PANE_IMAGES_DIR)) {
            const QVariant image =
                browser->document()->resource(QTextDocument::ImageResource, QUrl(source));
            QVERIFY(browser->toHtml().contains(source) && !image.value<QImage>().isNull());
        }
        QTextCursor more = browser->document()->find("More");
        more.setPosition(more.selectionStart() + 1);
        const QString before = browser->toHtml();
        QTest::mouseClick(browser->viewport(), Qt::LeftButton, {},
                          browser->cursorRect(more).center());
        QCOMPARE(m_services.webAddresses, QStringList{MakerAddress("/AboutLumbra.html")});
        QCOMPARE(browser->toHtml(), before);
        m_pane.SetBackColor(0xFFFFFF);
        QCOMPARE(m_pane.palette().color(QPalette::Window), QColor(Qt::white));
    }

    // 120 twips are 8 pixels left and top, 150 are 10 right, 165 are 11 at the bottom; a
    // size that leaves nothing keeps the last geometry.
    void browserFollowsPane()
    {
        m_pane.show();
        QList<QRect> geometries;
        for (const QSize size :
             {QSize(359, 328), QSize(3000, 308), QSize(18, 308), QSize(339, 19), QSize(19, 20)}) {
            m_pane.resize(339, 308);
            m_pane.resize(size);
            geometries << m_pane.findChild<QTextBrowser*>()->geometry();
        }
        QCOMPARE(geometries,
                 QList<QRect>({QRect(8, 8, 341, 309), QRect(8, 8, 2982, 289), QRect(8, 8, 321, 289),
                               QRect(8, 8, 321, 289), QRect(8, 8, 1, 1)}));
    }

private:
    QTemporaryDir m_brokenPlugin;
    QTemporaryDir m_noPlugin;
    RecordingShellServices m_services;
    ucFerol m_pane{m_services, {m_brokenPlugin.path(), m_noPlugin.path()}};
};

QTEST_MAIN(tst_ucferol)
#include "tst_ucferol.moc"
