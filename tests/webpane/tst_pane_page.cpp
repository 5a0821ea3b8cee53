#include "core/maker_links.h"
#include "webpane/engine_conditions.h"
#include "webpane/navigation_policy.h"
#include "webpane/page_composition.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

// The page the pane composes, and where a request from it may go.
class tst_pane_page : public QObject
{
    Q_OBJECT

private slots:
    // Root gets the browser engine only with its sandbox switched off by the user.
    void engineMayStart_data()
    {
        QTest::addColumn<bool>("root");
        QTest::addColumn<bool>("disableSandboxSet");
        QTest::addColumn<QByteArray>("flags");
        QTest::addColumn<bool>("mayStart");
        QTest::newRow("user") << false << false << QByteArray() << true;
        QTest::newRow("root") << true << false << QByteArray() << false;
        QTest::newRow("root, sandbox variable") << true << true << QByteArray() << true;
        QTest::newRow("root, flag among others")
            << true << false << QByteArray("--disable-gpu  --no-sandbox") << true;
        QTest::newRow("root, other flags only")
            << true << false << QByteArray("--no-sandboxed --disable-gpu") << false;
    }
    void engineMayStart()
    {
        QFETCH(bool, root);
        QFETCH(bool, disableSandboxSet);
        QFETCH(QByteArray, flags);
        QFETCH(bool, mayStart);
        QCOMPARE(BrowserEngineMayStart({root, disableSandboxSet, flags}), mayStart);
    }

    // Every address (less the maker's affixes), image text and source in page order; an
    // empty item is a blank line, which parts the blocks (the exam block has one of its
    // own). A quote or an ampersand in a folder is escaped.
    void linksAndImagesInOrder()
    {
        const QStringList affixes = MakerAddress("*").split('*');
        static const QRegularExpression item("<br><br>|(?:href|alt|src)=\"([^\"]*)\"");
        QStringList items;
        for (const QRegularExpressionMatch& match :
             item.globalMatch(ComposePage({"/R&D \"x\"/1.gif", "2.gif", "3.gif"})))
            items << match.captured(1).remove(affixes[0]).remove(affixes[1]);
        QCOMPARE(items, QStringList({"/AboutLumbra.html", "Lumbra Network Simulator",
                                     "/R&amp;D &quot;x&quot;/1.gif", "/AboutLumbra.html", "",
                                     "/about-practice-exams.html", "Orvat-Max Practice Exams",
                                     "2.gif", "", "/Guarantee.html", "/about-practice-exams.html",
                                     "", "/AboutTraining.html", "Ferol Training", "3.gif",
                                     "/AboutTraining.html"}));
    }

    // A folder name that HTML and URLs both dislike.
    void imagesFromFolderAsData()
    {
        QTemporaryDir root;
        const QString folder = root.filePath("R&D \"pane\"/"), images = FEROL_PANE_IMAGES_DIR;
        QVERIFY(QDir().mkpath(folder));
        for (int i = 0; i < kPaneBlockCount; ++i) {
            QFile file(images + kPaneImageFiles[i]);
            QVERIFY(file.copy(folder + kPaneImageFiles[i]) && file.open(QIODevice::ReadOnly));
            QCOMPARE(PaneImagesFromFolder(folder)[i],
                     "data:image/gif;base64," + file.readAll().toBase64());
        }
        QCOMPARE(QUrl(PaneImagesFromFolder(root.path() + "/")[1]).toLocalFile(),
                 root.filePath("orvat-logo-ip-calc.gif"));
    }

    // Web addresses leave, the blank document loads, the rest is refused.
    void navigation_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<NavigationDecision>("decision");
        const auto row = [](const QString& address, NavigationDecision decision) {
            QTest::newRow(qPrintable(address)) << address << decision;
        };
        row(MakerAddress("/AboutLumbra.html"), NavigationDecision::OpenInBrowser);
        row("HTTP://www.ferol.example/Guarantee.html", NavigationDecision::OpenInBrowser);
        row("https://www.ferol.example/", NavigationDecision::OpenInBrowser);
        row("about:blank", NavigationDecision::LoadInPane);
        row("about:blank#blocked", NavigationDecision::Refuse);
        row("about:version", NavigationDecision::Refuse);
        row("javascript:alert(1)", NavigationDecision::Refuse);
        row("file:///etc/passwd", NavigationDecision::Refuse);
        row("ftp://www.ferol.example/", NavigationDecision::Refuse);
        row("http:AboutLumbra.html", NavigationDecision::Refuse);
    }
    void navigation()
    {
        QFETCH(QString, address);
        QFETCH(NavigationDecision, decision);
        QCOMPARE(DecideNavigation(QUrl(address)), decision);
    }
};

QTEST_GUILESS_MAIN(tst_pane_page)
#include "tst_pane_page.moc"
