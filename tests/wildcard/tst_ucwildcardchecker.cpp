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
                services.openersFail = true;
            else if (step == "nofolder")
                QFile(documents.filePath("Ferol Subnet Calculator")).open(QIODevice::WriteOnly);
            else
                return false;
            return true;
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
        // Keys go one by one to whatever box has the focus; the engine's writes of texts a box
        // already holds leave its selection and caret alone.
        const QString typed = "focus:ipadd1_7 focus:ipadd1_0 type:";
        row("dots after advances", typed + "192.168.1.1",
            "192.168.1.1.0.0.31.255 ipadd1_3 222 0/0");
        row("advances alone", typed + "1921681.1", "192.168.1.1.0.0.31.255 ipadd1_3 222 0/0");
        row("dots alone", typed + "10.0.0.1", "10.0.0.1.0.0.31.255 ipadd1_3 222 0/0");
        row("both", typed + "172.16.254.3", "172.16.254.3.0.0.31.255 ipadd1_3 222 0/0");
        row("into the selection an advance made", typed + "192168",
            "192.168.128.0.0.0.31.255 ipadd1_2 222 0/0");
        row("on into the mask", typed + "19216810.0.0.0.0.255",
            "192.168.10.0.0.0.0.255 ipadd1_7 222 0/0");
        row("a dot after the advance into the mask", "focus:ipadd1_3 type:255.0.0.0.255",
            "172.16.128.255.0.0.0.255 ipadd1_7 222 0/0");
        row("a mask over its advance", "focus:ipadd1_4 type:0.0.255.253",
            "172.16.128.0.0.0.255.253 ipadd1_7 222 0/0 scroll3");
        row("editing keeps the caret", "focus:ipadd1_0 key:Home key:Right key:Delete type:5",
            "152.16.128.0.0.0.31.255 ipadd1_1 222 0/0");
        row("address pasted", "focus:ipadd1_1 paste:shift+insert=10.1.2.3/8",
            "10.1.2.3.0.0.31.255 ipadd1_1 222 0/0");
        row("mask pasted", "focus:ipadd1_6 paste:shift+insert=0.0.0.255\n",
            "172.16.128.0.0.0.0.255 ipadd1_6 222 0/0");
        row("both pasted into the mask", "focus:ipadd1_5 paste:menu=10.0.0.0_0.0.255.255",
            "10.0.0.0.0.0.255.255 ipadd1_5 222 0/0");
        row("a line break pasted", "focus:ipadd1_3 paste:shift+insert=7\r\n mouse:btnSendToNotepad",
            "172.16.128.7.0.0.31.255 btnSendToNotepad 222 1/0 saved");
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
        QCoreApplication::processEvents();
        QCOMPARE(changes, 1);
    }
};

QTEST_MAIN(TestWildcardPanel)
#include "tst_ucwildcardchecker.moc"
