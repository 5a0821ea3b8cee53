#include "support/paneldriver.h"
#include "testing/recordingshellservices.h"
#include "wildcard/report.h"
#include "wildcard/ucwildcardchecker.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>

namespace {

// The wildcard panel, its reports going to a fresh documents folder. Its own steps:
// "list:TEXT" types over the focused list, "noviewer" and "nofolder" (its name taken by a
// file). Its own keys: "opened" and
// "told" the reports opened and messages shown, "lists" those not the engine's result for
// the boxes, "scroll" those showing a scroll bar, "saved" whether the saved report holds
// the boxes and lists as shown, "changes" the changes validip_3 raised.
struct Panel
{
    Panel()
    {
        services.documentsFolderPath = documents.path();
        QObject::connect(list(3), &QPlainTextEdit::textChanged, [this] { ++changes; });
    }
    QPlainTextEdit* list(int i) const
    {
        return panel.findChild<QPlainTextEdit*>("validip_" + QString::number(i));
    }
    QString shown(const QString& key) const
    {
        WildcardOctets octets;
        WildcardLists lists;
        QStringList found;
        for (int k = 0; k < 8; ++k)
            octets[k] = d.shown("ipadd1_" + QString::number(k));
        for (int i = 0; i < 4; ++i) {
            lists[i] = list(i)->toPlainText();
            const QString engines = MatchWildcard(octets).lists[i].replace("\r\n", "\n");
            if (key == "lists" ? lists[i] != engines
                               : key == "scroll" && list(i)->verticalScrollBar()->isVisible())
                found << list(i)->objectName();
        }
        QFile file(documents.filePath("Ferol Subnet Calculator/wildcard.txt"));
        if (key == "saved" && file.open(QIODevice::ReadOnly))
            return file.readAll() == WildcardReportBytes(octets, lists) ? "right" : "wrong";
        return key == "opened"    ? QString::number(services.textViewerPaths.size())
               : key == "told"    ? QString::number(services.messages.size())
               : key == "changes" ? QString::number(changes)
               : key == "saved" || key == "lists" || key == "scroll" ? found.join(' ')
                                                                     : d.shown(key);
    }
    void run(const QString& steps)
    {
        d.run(steps, [&](const QString& step, const QString& arg) {
            if (step.startsWith("list:"))
                static_cast<QPlainTextEdit*>(QApplication::focusWidget())->setPlainText(arg);
            else if (step == "noviewer")
                services.openersFail = true;
            else if (step == "nofolder")
                return QFile(documents.filePath("Ferol Subnet Calculator"))
                    .open(QIODevice::WriteOnly);
            else
                return false;
            return true;
        });
    }
    // Building the panel moved no focus: the first box has it, as a new window gives it.
    static inline const QString kShown = "ipadd1=172.16.128.0.0.0.31.255|focus=ipadd1_0|"
                                         "opened=0|told=0|lists=|scroll=|saved=";

    QTemporaryDir documents;
    RecordingShellServices services;
    ucWildCardChecker panel{services};
    PanelDriver d{panel};
    int changes = 0;
};

} // namespace

class TestWildcardPanel : public QObject
{
    Q_OBJECT

private slots:
    void steps_data()
    {
        const auto row = StepTable();
        row("over 255", "focus:ipadd1_1 type:300", "ipadd1=172.0.128.0.0.0.31.255|focus=ipadd1_2");
        // Keys go one by one to whatever box has the focus; the engine's writes of texts a box
        // already holds leave its selection and caret alone.
        const QString typed = "focus:ipadd1_7 focus:ipadd1_0 type:";
        row("into the selection an advance made", typed + "192168",
            "ipadd1=192.168.128.0.0.0.31.255|focus=ipadd1_2");
        row("on into the mask", typed + "19216810.0.0.0.0.255",
            "ipadd1=192.168.10.0.0.0.0.255|focus=ipadd1_7");
        row("a dot after the advance into the mask", "focus:ipadd1_3 type:255.0.0.0.255",
            "ipadd1=172.16.128.255.0.0.0.255|focus=ipadd1_7");
        row("a mask over its advance", "focus:ipadd1_4 type:0.0.255.253",
            "ipadd1=172.16.128.0.0.0.255.253|focus=ipadd1_7|scroll=validip_3");
        row("editing keeps the caret", "focus:ipadd1_0 key:Home key:Right key:Delete type:5",
            "ipadd1=152.16.128.0.0.0.31.255|focus=ipadd1_1");
        row("mask pasted", "focus:ipadd1_6 paste:drop=0.0.0.255\n",
            "ipadd1=172.16.128.0.0.0.0.255|focus=ipadd1_6");
        row("both pasted into the mask", "focus:ipadd1_5 paste:menu=10.0.0.0_0.0.255.255",
            "ipadd1=10.0.0.0.0.0.255.255|focus=ipadd1_5");
        row("a line break pasted", "focus:ipadd1_3 paste:shift+insert=7\r\n mouse:btnSendToNotepad",
            "ipadd1=172.16.128.7.0.0.31.255|focus=btnSendToNotepad|opened=1|saved=right");
        // A list the engine writes again unchanged raises no change; a changed one does.
        row("lists rewritten", "mouse:btnCalculate focus:ipadd1_7 type:0",
            "ipadd1=172.16.128.0.0.0.31.0|focus=ipadd1_7|changes=1");
        // Only Calculate puts back a list the user typed over.
        row("Alt+C", "focus:validip_2 list:typed alt:C", "focus=validip_2");
        // The report follows the typing without Calculate and takes the lists as shown.
        row("Alt+N", "focus:ipadd1_7 type:254 focus:validip_2 list:typed alt:N",
            "ipadd1=172.16.128.0.0.0.31.254|focus=validip_2|opened=1|lists=validip_2|"
            "scroll=validip_3|saved=right");
        row("no text viewer", "noviewer mouse:btnSendToNotepad",
            "focus=btnSendToNotepad|opened=1|told=1|saved=right");
        row("folder taken", "nofolder mouse:btnSendToNotepad", "focus=btnSendToNotepad|told=1");
    }
    void steps() { RunStepRow<Panel>(); }
};

QTEST_MAIN(TestWildcardPanel)
#include "tst_ucwildcardchecker.moc"
