#include "core/maker_links.h"
#include "testing/recordingshellservices.h"
#include "webpane/page_composition.h"
#include "webpane/page_script.h"
#include "webpane/ucferol.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMainWindow>
#include <QPointer>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QWindow>

#include <csignal>
#include <memory>
#include <optional>

#include <unistd.h>

// Starting the engine takes seconds on a loaded two-core machine. A failing QTRY waits
// three times this, which must stay inside Qt Test's five minutes per function.
constexpr int kEngineTimeout = 30000;

// The pane with its browser plugin, in a window like the main one. One pane for the whole
// class: the engine is too dear to start for every test.
class tst_webengine_pane : public QObject
{
    Q_OBJECT

public:
    // As root the engine starts only without its sandbox.
    static void initMain()
    {
        if (geteuid() == 0)
            qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }

private slots:
    // On a display server, where Qt would re-create the window's native window for a view
    // drawn through OpenGL (unmapped, black, a maximised state lost), the first showing
    // keeps the native window, its state and its geometry.
    void initTestCase()
    {
        m_services.appFolderPath = FEROL_PANE_IMAGES_DIR;
        auto* tabs = new QTabWidget;
        tabs->addTab(new QWidget, "first");
        tabs->addTab(m_pane, "Ferol");
        m_window.setCentralWidget(tabs);
        m_window.resize(560, 480);
        m_window.setWindowState(Qt::WindowMaximized);
        m_window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_window));
        const WId handle = m_window.winId();
        const QRect geometry = m_window.geometry();
        tabs->setCurrentIndex(1);
        // The text page answers at once; the view is loaded only after it was drawn.
        QCOMPARE(m_composed.count(), 1);
        QVERIFY(!m_pane->findChild<QWebEngineView*>("wbFerol"));
        QTRY_VERIFY_WITH_TIMEOUT((m_view = m_pane->findChild<QWebEngineView*>("wbFerol")),
                                 kEngineTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(m_composed.count(), 2, kEngineTimeout);
        QVERIFY(m_view->isVisible());
        if (QGuiApplication::platformName() == "xcb") {
            QCOMPARE(m_window.winId(), handle);
            QCOMPARE(m_window.windowState(), Qt::WindowMaximized);
            QCOMPARE(m_window.geometry(), geometry);
            QVERIFY(m_window.windowHandle()->isExposed());
        }
        // Images decode asynchronously; wait until every one has.
        QTRY_COMPARE_WITH_TIMEOUT(evaluate("Array.from(document.images).every(i => i.complete)"),
                                  "true", kEngineTimeout);
    }

    // The script ran: the page refuses selection, its context menu and dragging. The size
    // is "smaller" than 16 px; had the font shorthand come after it, it would be 16. The
    // design font came with the page and was drawn.
    void composedPage()
    {
        const QString crlf = "\r\n";
        const QJsonArray expected = {
            QJsonArray{QJsonArray{"defaultHeadID", "javascript",
                                  HeadScriptLines().join(crlf) + crlf, "HEAD"}},
            "functionfunctionfunctionfalse",
            "rgb(51, 51, 51)|true|5px|0px|default|none|auto|\"Segoe UI\", Tahoma",
            "3 images decoded, 7 links, all to _blank: true", "1 face: Tahoma loaded"};
        // Compared as JSON text, which a failure prints in full.
        QCOMPARE(
            evaluate("JSON.stringify((s => [Array.from(document.scripts).map(s => [s.id, "
                     "s.getAttribute('language'), s.text, s.parentNode.tagName]),"
                     " typeof document.onselectstart + typeof document.oncontextmenu + typeof "
                     "document.ondragstart + document.oncontextmenu(),"
                     " [s.color, parseFloat(s.fontSize) < 15, s.marginTop, s.marginLeft, s.cursor, "
                     "s.borderTopStyle, s.overflow, s.fontFamily.substring(0, 18)].join('|'),"
                     " Array.from(document.images).filter(i => i.naturalWidth > 0).length +"
                     " ' images decoded, ' + document.links.length + ' links, all to _blank: ' +"
                     " Array.from(document.links).every(a => a.target == '_blank'),"
                     " document.querySelectorAll('style#designFontFace').length + ' face: ' +"
                     " Array.from(document.fonts).map(f => f.family.replace(/\"/g, '') + ' ' +"
                     " f.status).join()]"
                     ")(getComputedStyle(document.body)))"),
            QJsonDocument(expected).toJson(QJsonDocument::Compact));
    }

    void requestsLeaveThePage_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("left");
        const auto row = [](const char* name, const QString& action, const QString& opened,
                            const char* left = "3 kept 1 first") {
            QTest::newRow(name) << action << opened << QString(left);
        };
        row("More link clicked", "Array.from(document.links).find(a => a.text == 'More').click()",
            MakerAddress("/AboutLumbra.html"));
        // The engine blocks this one itself by loading about:blank#blocked over the page.
        row("engine page replaced, then rebuilt", "location.href = 'about:version'", "",
            "3 null 1 null");
        // The head script is replaced, neither kept beside the new one nor left alone.
        row("page script run again",
            PageScript(ComposePage(PaneImagesFromFolder(FEROL_PANE_IMAGES_DIR))), "",
            "3 kept 1 null");
    }

    // A request never leaves another page in the pane: markers put on the body and the head
    // script survive it, and where the engine itself replaced the document (the body lost its
    // marker) the page is composed again.
    void requestsLeaveThePage()
    {
        QFETCH(QString, action);
        QFETCH(QString, opened);
        QFETCH(QString, left);
        const bool rebuilt = !left.contains("kept");
        m_services.webAddresses.clear();
        const int composedBefore = m_composed.count();
        evaluate("document.body.setAttribute('data-marker', 'kept'),"
                 " document.scripts[0].setAttribute('data-marker', 'first')");
        evaluate(action);
        QTRY_COMPARE_WITH_TIMEOUT(m_services.webAddresses.join(""), opened, kEngineTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(m_composed.count(), composedBefore + rebuilt, kEngineTimeout);
        // Cancelled requests also end in a finished load; give a wrong rebuild time to show.
        QTest::qWait(300);
        QCOMPARE(m_services.webAddresses.size() + m_composed.count(),
                 int(!opened.isEmpty()) + composedBefore + rebuilt);
        QCOMPARE(m_view->url(), QUrl("about:blank"));
        QCOMPARE(evaluate("document.images.length + ' ' + document.body.getAttribute('data-marker')"
                          " + ' ' + document.scripts.length + ' ' +"
                          " document.scripts[0].getAttribute('data-marker')"),
                 left);
    }

    // Last, since the pane's view goes with it: the process that draws the page dies, and
    // the text page takes the view's place.
    void pageProcessDeathLeavesTheTextPage()
    {
        const qint64 pid = m_view->page()->renderProcessPid();
        QVERIFY(pid > 0);
        const QRect place = m_view->geometry();
        const QPointer<QWebEngineView> view = m_view;
        m_view = nullptr;
        QCOMPARE(::kill(pid_t(pid), SIGKILL), 0);
        QTRY_VERIFY_WITH_TIMEOUT(!view, kEngineTimeout);
        auto* text = m_pane->findChild<QTextBrowser*>("txtFerol");
        QVERIFY(text && text->isVisible());
        QCOMPARE(text->geometry(), place);
        QVERIFY(text->toPlainText().contains("Lumbra"));
    }

private:
    // The result as text. The answer is shared with the callback, which may still come
    // after a timeout returned.
    QString evaluate(const QString& expression)
    {
        const auto answer = std::make_shared<std::optional<QString>>();
        m_view->page()->runJavaScript(
            expression, [answer](const QVariant& value) { answer->emplace(value.toString()); });
        if (!QTest::qWaitFor([&] { return answer->has_value(); }, kEngineTimeout))
            return {};
        return answer->value();
    }

    RecordingShellServices m_services;
    QMainWindow m_window;
    ucFerol* m_pane = new ucFerol(m_services, {FEROL_PANE_PLUGIN_DIR});
    QSignalSpy m_composed{m_pane, &ucFerol::pageComposed};
    QWebEngineView* m_view = nullptr;
};

QTEST_MAIN(tst_webengine_pane)
#include "tst_webengine_pane.moc"
