#include "support/paneldriver.h"
#include "testing/recordingshellservices.h"
#include "wildcard/report.h"
#include "wildcard/ucwildcardchecker.h"

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The wildcard panel, its reports going to a fresh documents folder, with its own steps:
// "list:TEXT" (for the focused list's), "height:PIXELS", "noviewer" and "nofolder" (its
// name taken by a file).
struct Panel
{
    Panel() { services.documentsFolderPath = documents.path(); }
    QPlainTextEdit* list(int i) const
    {
        return panel.findChild<QPlainTextEdit*>(QString("validip_%1").arg(i));
    }
    // The octets, the focus, the result boxes' height in pixels, the reports opened and
    // messages shown, any list that is not the engine's result for the octets, any list
    // showing its scroll bar, and whether a saved report holds the boxes.
    QString state() const
    {
        WildcardOctets octets;
        WildcardLists lists;
        for (int k = 0; k < 8; ++k)
            octets[k] = d.text("ipadd1_" + QString::number(k));
        QString s = d.octets("ipadd1", 8) + QString(" %1 %2 %3/%4")
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
    void run(const QString& steps)
    {
        d.run(steps, [&](const QString& step, const QString& arg) {
            if (step.startsWith("list:"))
                static_cast<QPlainTextEdit*>(QApplication::focusWidget())->setPlainText(arg);
            else if (step.startsWith("height:"))
                panel.resize(panel.width(), arg.toInt());
            else if (step == "noviewer")
                services.textViewerError = "no viewer";
            else if (step == "nofolder")
                QFile(documents.filePath("Ferol Subnet Calculator")).open(QIODevice::WriteOnly);
        });
    }

    QTemporaryDir documents;
    RecordingShellServices services;
    ucWildCardChecker panel{services};
    PanelDriver d{panel};
};

} // namespace

class TestWildcardPanel : public QObject
{
    Q_OBJECT

private slots:
    void steps_data()
    {
        const auto row = StepTable();
        const QString design = "172.16.128.0.0.0.31.255 ";
        row("over 255", "focus:ipadd1_1 type:300", "172.0.128.0.0.0.31.255 ipadd1_2 222 0/0");
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
        row("no text viewer", "noviewer mouse:btnSendToNotepad",
            design + "btnSendToNotepad 222 1/1 saved");
        row("folder taken", "nofolder mouse:btnSendToNotepad", design + "btnSendToNotepad 222 0/1");
        // 334 px are 5010 twips: the boxes end 250 twips above the bottom edge, 2720 twips
        // high; a panel too short for that leaves them so. Building the panel moved no focus:
        // the first box has it, as a new window gives it.
        row("then too short", "height:334 height:100", design + "ipadd1_0 181 0/0");
    }
    void steps() { RunStepRow<Panel>(); }

    // A list the engine writes again unchanged raises no change; a changed one does.
    void unchangedListsStayQuiet()
    {
        Panel p;
        int changes = 0;
        QObject::connect(p.list(3), &QPlainTextEdit::textChanged, [&] { ++changes; });
        p.run("mouse:btnCalculate focus:ipadd1_7 type:0");
        QCOMPARE(changes, 1);
    }
};

QTEST_MAIN(TestWildcardPanel)
#include "tst_ucwildcardchecker.moc"
