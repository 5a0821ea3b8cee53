#include "support/recordingshellservices.h"
#include "wildcard/report.h"
#include "wildcard/ucwildcardchecker.h"

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A shown, active panel whose reports go to a fresh documents folder.
struct Panel
{
    Panel() : panel(services)
    {
        services.documentsFolderPath = documents.path();
        panel.resize(panel.sizeHint());
        panel.show();
        panel.activateWindow();
        (void)QTest::qWaitForWindowActive(&panel);
    }
    QWidget* get(const QString& name) const { return panel.findChild<QWidget*>(name); }
    QString text(const QString& name) const { return get(name)->property("text").toString(); }
    QPlainTextEdit* list(int i) const
    {
        return panel.findChild<QPlainTextEdit*>(QString("validip_%1").arg(i));
    }
    // The octets ("!" after a red one), the focus, the result boxes' height in pixels, the
    // reports opened and messages shown, any list that is not the engine's result for the
    // octets, any list showing its scroll bar, and whether a saved report holds the boxes.
    QString state() const
    {
        WildcardOctets octets;
        WildcardLists lists;
        QString s;
        for (int k = 0; k < 8; ++k) {
            const QString name = "ipadd1_" + QString::number(k);
            octets[k] = text(name);
            s += text(name) + (get(name)->palette().text().color() == Qt::red ? "!." : ".");
        }
        s = s.chopped(1) + QString(" %1 %2 %3/%4")
                               .arg(QApplication::focusWidget()->objectName())
                               .arg(list(0)->height())
                               .arg(services.textViewerPaths.size())
                               .arg(services.messages.size());
        for (int i = 0; i < 4; ++i) {
            lists[i] = list(i)->toPlainText();
            if (lists[i] != MatchWildcard(octets).lists[i].split("\r\n").join('\n'))
                s += " list:" + lists[i];
            if (list(i)->verticalScrollBar()->isVisible())
                s += QString(" scroll%1").arg(i);
        }
        QFile file(documents.filePath("Ferol Subnet Calculator/wildcard.txt"));
        if (file.open(QIODevice::ReadOnly))
            s += file.readAll() == WildcardReportBytes(octets, lists) ? " saved" : " saved wrong";
        return s;
    }
    // Steps: "focus:NAME", "type:TEXT", "tab", "alt:LETTER",
    // "click:NAME", "list:TEXT" (for the focused list's), "height:PIXELS", "noviewer" and
    // "nofolder" (its name taken by a file).
    void run(const QString& steps)
    {
        for (const QString& step : steps.split(' ', Qt::SkipEmptyParts)) {
            const QString arg = step.section(':', 1);
            QWidget* focus = QApplication::focusWidget();
            if (step.startsWith("focus:"))
                get(arg)->setFocus();
            else if (step.startsWith("type:"))
                QTest::keyClicks(focus, arg);
            else if (step == "tab")
                QTest::keyClick(focus, Qt::Key_Tab);
            else if (step.startsWith("alt:"))
                QTest::keyClick(&panel, arg[0].toLatin1(), Qt::AltModifier);
            else if (step.startsWith("click:"))
                QTest::mouseClick(get(arg), Qt::LeftButton);
            else if (step.startsWith("list:"))
                static_cast<QPlainTextEdit*>(focus)->setPlainText(arg);
            else if (step.startsWith("height:"))
                panel.resize(panel.width(), arg.toInt());
            else if (step == "noviewer")
                services.textViewerError = "no viewer";
            else if (step == "nofolder")
                QFile(documents.filePath("Ferol Subnet Calculator")).open(QIODevice::WriteOnly);
        }
    }

    QTemporaryDir documents;
    RecordingShellServices services;
    ucWildCardChecker panel;
};

} // namespace

class TestWildcardPanel : public QObject
{
    Q_OBJECT

private slots:
    void steps_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("state");
        const auto row = [](const char* name, const char* steps, const QString& state) {
            QTest::newRow(name) << QString(steps) << state;
        };
        const QString design = "172.16.128.0.0.0.31.255 ";
        // Building the panel moved no focus: the first box has it, as a new window gives it.
        row("as built", "", design + "ipadd1_0 222 0/0");
        row("over 255: black 0", "focus:ipadd1_1 type:300",
            "172.0.128.0.0.0.31.255 ipadd1_2 222 0/0");
        row("long list scrolls", "focus:ipadd1_7 type:254",
            "172.16.128.0.0.0.31.254 ipadd1_7 222 0/0 scroll3");
        row("tab order", "focus:ipadd1_7 tab tab tab tab tab tab", design + "validip_3 222 0/0");
        row("Alt+A", "focus:validip_2 alt:A", design + "ipadd1_0 222 0/0");
        row("Alt+M", "focus:validip_2 alt:M", design + "ipadd1_4 222 0/0");
        // Only Calculate puts back a list the user typed over.
        row("Alt+C", "focus:validip_2 list:typed alt:C", design + "validip_2 222 0/0");
        // The report follows the typing without Calculate and takes the lists as shown.
        row("Alt+N", "focus:ipadd1_7 type:254 focus:validip_2 list:typed alt:N",
            "172.16.128.0.0.0.31.254 validip_2 222 1/0 list:typed scroll3 saved");
        row("no text viewer", "noviewer click:btnSendToNotepad",
            design + "btnSendToNotepad 222 1/1 saved");
        row("folder name taken", "nofolder click:btnSendToNotepad",
            design + "btnSendToNotepad 222 0/1");
        // 334 px are 5010 twips: the boxes end 250 twips above the bottom edge, 2720 twips
        // high; a panel too short for that leaves them so.
        row("taller", "height:334", design + "ipadd1_0 181 0/0");
        row("then too short", "height:334 height:100", design + "ipadd1_0 181 0/0");
    }
    void steps()
    {
        QFETCH(QString, steps);
        QFETCH(QString, state);
        Panel p;
        p.run(steps);
        QTRY_COMPARE_WITH_TIMEOUT(p.state(), state, 1000);
    }

    // A list the engine writes again unchanged raises no change; a changed one does.
    void unchangedListsStayQuiet()
    {
        Panel p;
        int changes = 0;
        for (int i = 0; i < 4; ++i)
            QObject::connect(p.list(i), &QPlainTextEdit::textChanged, [&] { ++changes; });
        p.run("click:btnCalculate focus:ipadd1_7 type:0");
        QCOMPARE(changes, 1);
    }
};

QTEST_MAIN(TestWildcardPanel)
#include "tst_ucwildcardchecker.moc"
