#include "core/maker_links.h"
#include "testing/recordingshellservices.h"
#include "webpane/ucferol.h"

#include <QApplication>
#include <QMainWindow>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QWindow>

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

    void requestsLeaveThePage_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("opened"); // in the user's browser
        QTest::addColumn<bool>("rebuilt");
        QTest::newRow("link clicked")
            << "Array.from(document.links).find(a => a.text == 'More').click()"
            << MakerAddress("/AboutLumbra.html") << false;
        // The engine refuses this one itself by loading about:blank#blocked over the page.
        QTest::newRow("refused address") << "location.href = 'about:version'" << QString() << true;
    }

    // A request never leaves another page in the pane: a marker put on the body survives
    // it, and where the engine itself replaced the document the page is composed again.
    void requestsLeaveThePage()
    {
        QFETCH(QString, action);
        QFETCH(QString, opened);
        QFETCH(bool, rebuilt);
        m_services.webAddresses.clear();
        const int composedBefore = m_composed.count();
        evaluate("document.body.setAttribute('data-marker', 'kept')");
        evaluate(action);
        QTRY_COMPARE_WITH_TIMEOUT(m_services.webAddresses.join(""), opened, kEngineTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(m_composed.count(), composedBefore + rebuilt, kEngineTimeout);
        // Cancelled requests also end in a finished load; give a wrong rebuild time to show.
        QTest::qWait(300);
        QCOMPARE(m_composed.count(), composedBefore + rebuilt);
        QCOMPARE(m_view->url(), QUrl("about:blank"));
        QCOMPARE(
            evaluate("document.images.length + ' ' + document.body.getAttribute('data-marker')"),
            rebuilt ? "3 null" : "3 kept");
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
