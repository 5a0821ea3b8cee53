// The main window on a real X server with a window manager: opened, the whole window, its
// title bar included, lies on the screen, whatever the screen's size and scale. CTest runs it
// on a laptop-sized screen at 150 % (the window's design does not fit there) and on a large
// one (where the design fits and nothing may differ from it).

#include "core/twips.h"
#include "shell/frmwelcome2.h"
#include "testing/recordingshellservices.h"

#include <QProcess>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>

class TestWindowOnScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != "xcb")
            QSKIP("needs an X server of its own (CTest runs this under xvfb-run)");
        m_windowManager.start(FEROL_WINDOW_MANAGER, {});
        QVERIFY(m_windowManager.waitForStarted());
        // The window manager takes over the screen a moment after it starts, longer on a
        // loaded machine.
        QTest::qWait(2000);
    }

    void cleanupTestCase()
    {
        m_windowManager.terminate();
        m_windowManager.waitForFinished();
    }

    void wholeWindowOnTheScreen()
    {
        RecordingShellServices services;
        frmWelcome2 window(services);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect available = window.screen()->availableGeometry();
        // The frame arrives from the window manager once the window is mapped.
        QTRY_VERIFY_WITH_TIMEOUT(window.frameGeometry() != window.geometry(), 20000);
        QTRY_VERIFY2(available.contains(window.frameGeometry()),
                     qPrintable(QString("frame %1,%2 %3x%4 on %5x%6")
                                    .arg(window.frameGeometry().x())
                                    .arg(window.frameGeometry().y())
                                    .arg(window.frameGeometry().width())
                                    .arg(window.frameGeometry().height())
                                    .arg(available.width())
                                    .arg(available.height())));
        const auto* scroller = window.findChild<QScrollArea*>("clientScroller");
        const auto* tabs = window.findChild<QTabWidget*>("TabStrip1");
        if (qEnvironmentVariableIsSet("FEROL_SCREEN_FITS_DESIGN")) {
            // As designed: the least width, a tab strip as tall as the tallest panel and
            // 800 twips more, nothing to scroll.
            QCOMPARE(window.minimumWidth(), frmWelcome2::minTrackWidth);
            QCOMPARE(tabs->height(), TwipsToPixels(frmWelcome2::kSubnetPanelHeight + 800));
            QVERIFY(!scroller->verticalScrollBar()->isVisible());
        } else {
            // The design's client area, whole, within reach of the scroll bar; the screen
            // has room beside it for the bar, so nothing scrolls sideways.
            QVERIFY(scroller->verticalScrollBar()->isVisible());
            QVERIFY(!scroller->horizontalScrollBar()->isVisible());
            QCOMPARE(scroller->verticalScrollBar()->maximum() + scroller->viewport()->height(),
                     tabs->geometry().bottom() + 1 + TwipsToPixels(120));
        }
    }

private:
    QProcess m_windowManager;
};

QTEST_MAIN(TestWindowOnScreen)
#include "tst_window_on_screen.moc"
