#include "testing/recordingshellservices.h"
#include "webpane/ucferol.h"

#include <QTest>
#include <QTextBrowser>

#include <unistd.h>

// The pane, with its browser plugin beside it, in a process run as root where nobody
// switched the engine's sandbox off: the engine would refuse and end the process, so the
// pane shows the text page and the process goes on.
class tst_pane_without_sandbox : public QObject
{
    Q_OBJECT

private slots:
    void textPageAndTheProcessLivesOn()
    {
        if (geteuid() != 0)
            QSKIP("run as a user, the engine starts with its sandbox");
        qunsetenv("QTWEBENGINE_DISABLE_SANDBOX");
        qunsetenv("QTWEBENGINE_CHROMIUM_FLAGS");
        RecordingShellServices services;
        services.appFolderPath = FEROL_PANE_IMAGES_DIR;
        ucFerol pane(services, {FEROL_PANE_PLUGIN_DIR});
        pane.resize(pane.sizeHint());
        pane.show();
        // An engine started by mistake ends the process well within this.
        QTest::qWait(3000);
        auto* text = pane.findChild<QTextBrowser*>("txtFerol");
        QVERIFY(text && text->isVisible());
        QVERIFY(!pane.findChild<QWidget*>("wbFerol"));
    }
};

QTEST_MAIN(tst_pane_without_sandbox)
#include "tst_pane_without_sandbox.moc"
