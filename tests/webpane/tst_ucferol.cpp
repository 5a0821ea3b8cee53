#include "core/maker_links.h"
#include "testing/recordingshellservices.h"
#include "webpane/engine_conditions.h"
#include "webpane/navigation_policy.h"
#include "webpane/page_composition.h"
#include "webpane/ucferol.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <unistd.h>

// The pane where its browser cannot run: its text page, the page it composes, and where a
// request from it may go.
class tst_ucferol : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_services.appFolderPath = FEROL_PANE_IMAGES_DIR; }

    // Root gets the browser engine only with its sandbox switched off by the user.
    void engineMayStart_data()
    {
        QTest::addColumn<bool>("root");
        QTest::addColumn<bool>("disableSandboxSet");
        QTest::addColumn<QString>("flags");
        QTest::addColumn<bool>("mayStart");
        QTest::newRow("user") << false << false << "" << true;
        QTest::newRow("root") << true << false << "" << false;
        QTest::newRow("root, sandbox variable") << true << true << "" << true;
        QTest::newRow("root, flag") << true << false << "--disable-gpu  --no-sandbox" << true;
        QTest::newRow("root, others") << true << false << "--no-sandboxed --disable-gpu" << false;
    }

    void engineMayStart()
    {
        QFETCH(bool, root);
        QFETCH(bool, disableSandboxSet);
        QFETCH(QString, flags);
        QFETCH(bool, mayStart);
        QCOMPARE(BrowserEngineMayStart({root, disableSandboxSet, flags.toUtf8()}), mayStart);
    }

    // Web addresses leave, the blank document loads, the rest is refused.
    void navigation_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<NavigationDecision>("decision");
        for (const char* address :
             {"HTTP://www.ferol.example/Guarantee.html", "https://ferol.example/"})
            QTest::newRow(address) << address << NavigationDecision::OpenInBrowser;
        QTest::newRow("about:blank") << "about:blank" << NavigationDecision::LoadInPane;
        for (const char* address : {"about:blank#blocked", "javascript:alert(1)",
                                    "file:///etc/passwd", "ftp://ferol.example/", "http:a.html"})
            QTest::newRow(address) << address << NavigationDecision::Refuse;
    }

    void navigation()
    {
        QFETCH(QString, address);
        QFETCH(NavigationDecision, decision);
        QCOMPARE(DecideNavigation(QUrl(address)), decision);
    }

    // An image's folder is the user's: a quote or an ampersand in it must not end the
    // attribute or start an entity.
    void imageFolderEscaped()
    {
        const QString page = ComposePage({"/R&D \"x\"/1.gif", "2.gif", "3.gif"});
        QVERIFY(page.contains("src=\"/R&amp;D &quot;x&quot;/1.gif\""));
        QVERIFY(!page.contains("R&D"));
    }

    // The images travel in the page as data; one missing is looked for where it should be.
    void imagesFromFolderAsData()
    {
        QTemporaryDir folder;
        QFile gif(FEROL_PANE_IMAGES_DIR + QString(kPaneImageFiles[0]));
        QVERIFY(gif.copy(folder.filePath(kPaneImageFiles[0])) && gif.open(QIODevice::ReadOnly));
        const PaneImageSources sources = PaneImagesFromFolder(folder.path() + "/");
        QCOMPARE(sources[0], "data:image/gif;base64," + gif.readAll().toBase64());
        QCOMPARE(QUrl(sources[1]).toLocalFile(), folder.filePath(kPaneImageFiles[1]));
    }

    // Run as root, with the browser plugin beside it and nobody having switched the
    // engine's sandbox off: the engine would refuse and end the process.
    void textPageAsRootWithoutSandbox()
    {
        if (geteuid() != 0)
            QSKIP("run as a user, the engine starts with its sandbox");
        qunsetenv("QTWEBENGINE_DISABLE_SANDBOX");
        qunsetenv("QTWEBENGINE_CHROMIUM_FLAGS");
        ucFerol pane(m_services, {FEROL_PANE_PLUGIN_DIR});
        pane.resize(pane.sizeHint());
        pane.show();
        // An engine started by mistake ends the process well within this.
        QTest::qWait(3000);
        QVERIFY(pane.findChild<QTextBrowser*>("txtFerol")->isVisible());
    }

    // No plugin can be loaded (the first folder holds a broken one, the second none), even
    // with the sandbox switched off. The page is made on the first show only; its first "More" link
    // goes out, leaving the page as it was.
    void fallbackPage()
    {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        QTemporaryDir broken, none;
        QFile plugin(broken.filePath("libferol-webpane-browser.so"));
        QVERIFY(plugin.open(QIODevice::WriteOnly) && plugin.write("not a plugin") > 0);
        plugin.close();
        ucFerol pane(m_services, {broken.path(), none.path()});
        QSignalSpy composed(&pane, &ucFerol::pageComposed);
        pane.resize(339, 308);
        pane.show();
        pane.hide();
        pane.show();
        QCOMPARE(composed.count(), 1);
        auto* browser = pane.findChild<QTextBrowser*>("txtFerol");
        QTextCursor more = browser->document()->find("More");
        more.setPosition(more.selectionStart() + 1);
        const QString before = browser->toHtml();
        QTest::mouseClick(browser->viewport(), Qt::LeftButton, {},
                          browser->cursorRect(more).center());
        QCOMPARE(m_services.webAddresses, QStringList{MakerAddress("/AboutLumbra.html")});
        QCoreApplication::processEvents();
        QCOMPARE(browser->toHtml(), before);
    }

private:
    RecordingShellServices m_services;
};

QTEST_MAIN(tst_ucferol)
#include "tst_ucferol.moc"
