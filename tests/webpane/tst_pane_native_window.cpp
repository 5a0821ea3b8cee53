#include "testing/recordingshellservices.h"
#include "webpane/ucferol.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QWindow>

#include <unistd.h>

// The pane's first showing, with its browser plugin, in a window on a real display
// server: the window keeps its native window (Qt would re-create it for a view drawn
// through OpenGL: unmapped, black, a maximised state lost), its state and its geometry.
class tst_pane_native_window : public QObject
{
    Q_OBJECT

public:
    // As root the engine starts only without its sandbox.
    static void initMain()
    {
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
        if (geteuid() == 0)
            qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != "xcb")
            QSKIP("needs a display server (run under xvfb-run with QT_QPA_PLATFORM=xcb)");
    }

    void firstShowingLeavesTheWindowAlone_data()
    {
        QTest::addColumn<Qt::WindowState>("state");
        QTest::newRow("normal") << Qt::WindowNoState;
        QTest::newRow("maximised") << Qt::WindowMaximized;
    }

    void firstShowingLeavesTheWindowAlone()
    {
        QFETCH(Qt::WindowState, state);
        RecordingShellServices services;
        services.appFolderPath = FEROL_PANE_IMAGES_DIR;
        QMainWindow window;
        auto* tabs = new QTabWidget;
        auto* box = new QLineEdit;
        auto* pane = new ucFerol(services, {FEROL_PANE_PLUGIN_DIR});
        tabs->addTab(box, "first");
        tabs->addTab(pane, "Ferol");
        window.setCentralWidget(tabs);
        window.resize(560, 480);
        window.setWindowState(state);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const WId before = window.winId();
        const QRect geometry = window.geometry();
        QSignalSpy composed(pane, &ucFerol::pageComposed);

        tabs->setCurrentIndex(1);
        QVERIFY(pane->findChild<QWidget*>("wbFerol"));
        QVERIFY(composed.wait(60000));
        QCOMPARE(window.winId(), before);
        QCOMPARE(window.windowState(), state);
        QCOMPARE(window.geometry(), geometry);
        QVERIFY(window.windowHandle()->isExposed());
    }
};

QTEST_MAIN(tst_pane_native_window)
#include "tst_pane_native_window.moc"
