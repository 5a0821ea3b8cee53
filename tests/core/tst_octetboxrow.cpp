#include "core/octetboxrow.h"

#include "support/paneldriver.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>

namespace {

// A shown, active window holding one row of boxes box_0 … box_3, all "255", the focus in
// the first. Its own steps: "commit:TEXT" an input method's commit, "keytext:TEXT" a key
// carrying several characters, both to the focused box; "away" the window losing and
// regaining the focus; "set:N=TEXT" the program writing box N; "clip:TEXT" the clipboard.
// Its own keys: "pasted" counts the addresses pasted, "selected" is the focused box's
// selection, "clipboard" the clipboard's text.
struct Row
{
    Row()
    {
        for (int i = 0; i < 4; ++i) {
            row->box(i)->setGeometry(10 + 50 * i, 10, 45, 20);
            row->box(i)->setText("255");
        }
        window.resize(220, 40);
        QObject::connect(row, &OctetBoxRow::addressPasted, [this] { ++pasted; });
        row->box(0)->setFocus();
    }
    QString shown(const QString& key) const
    {
        auto* focus = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        return key == "pasted"      ? QString::number(pasted)
               : key == "selected"  ? focus->selectedText()
               : key == "clipboard" ? QApplication::clipboard()->text()
                                    : d.shown(key);
    }
    void run(const QString& steps) const
    {
        d.run(steps, [&](const QString& step, const QString& arg) {
            QWidget* focus = QApplication::focusWidget();
            if (step.startsWith("commit:")) {
                QInputMethodEvent commit;
                commit.setCommitString(arg);
                QApplication::sendEvent(focus, &commit);
            } else if (step.startsWith("keytext:")) {
                QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, arg);
                QApplication::sendEvent(focus, &key);
            } else if (step == "away") {
                QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
                QFocusEvent in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
                QApplication::sendEvent(focus, &out);
                QApplication::sendEvent(focus, &in);
            } else if (step.startsWith("set:")) {
                row->box(arg.section('=', 0, 0).toInt())->setText(arg.section('=', 1));
            } else if (step.startsWith("clip:")) {
                QApplication::clipboard()->setText(arg);
            } else {
                return false;
            }
            return true;
        });
    }
    static inline const QString kShown = "box=255.255.255.255|focus=box_0|red=|pasted=0";

    QWidget window;
    OctetBoxRow* row = new OctetBoxRow("box", 4, OctetBoxRow::OverRange::Keep, &window);
    PanelDriver d{window};
    int pasted = 0;
};

} // namespace

class TestOctetBoxRow : public QObject
{
    Q_OBJECT

private slots:
    void steps_data()
    {
        const auto row = StepTable();
        // The "." right after an advance is the one the user meant for it.
        row("dots after advances", "type:192.168.1.1", "box=192.168.1.1|focus=box_3");
        row("a second dot moves on", "type:192..1", "box=192.255.1.255|focus=box_2");
        row("Shift before the dot", "type:192 key:Shift type:.1", "box=192.1.255.255|focus=box_1");
        row("away and back before the dot", "type:192 tab key:Shift+Tab type:.1",
            "box=192.255.1.255|focus=box_2");
        row("a dot in the last box stays", "type:1.2.3.4.5", "box=1.2.3.45|focus=box_3");
        row("filtered characters", "type:1a:2+-,/", "box=12/.255.255.255|focus=box_1");
        row("over 255 is red and stays", "type:999", "box=999.255.255.255|focus=box_1|red=box_0");
        row("editing keys", "type:12 key:Backspace type:3. key:Del", "box=13..255.255|focus=box_1");
        // Each character goes to the box that has the focus by then; control characters go.
        row("several characters at once", "commit:1a\t2.3.4 keytext:5.6",
            "box=12.3.45.6|focus=box_3");
        // Entering a box selects its text; coming back to the window keeps the user's selection.
        row("mouse click selects", "focus:box_1 type:12 focus:box_0 mouse:box_1",
            "box=255.12.255.255|focus=box_1|selected=12");
        row("back to the window", "type:12 key:Shift+Left away", "box=12.255.255.255|selected=2");
        // Writing what a box holds touches nothing; a program's write advances like typing.
        row("same text written", "key:Home key:Shift+Right set:0=255", "selected=2");
        row("long text written", "set:0=2555", "box=2555.255.255.255|focus=box_1|red=box_0");
        row("cut and undo do nothing",
            "clip:77 type:42 key:Ctrl+A key:Ctrl+Z key:Ctrl+X key:Ctrl+C",
            "box=42.255.255.255|clipboard=42");
        // Every way of pasting: a dotted address fills the row and the focus stays; of other
        // text only its leading digits go into the box, and text without any changes nothing.
        const QString filled = "box=10.1.2.3|focus=box_1|pasted=1";
        row("menu, address", "focus:box_1 paste:menu=10.1.2.3", filled);
        row("Shift+Insert, prefix", "focus:box_1 paste:shift+insert=_10.1.2.3/27\n", filled);
        row("drop, three digits", "focus:box_1 paste:drop=\t192.168.100.200",
            "box=192.168.100.200|focus=box_1|pasted=1");
        row("Ctrl+V, letters after", "focus:box_1 paste:ctrl+v=12abc",
            "box=255.12.255.255|focus=box_1");
        row("Ctrl+V, a word", "focus:box_1 paste:ctrl+v=hello", "focus=box_1|selected=255");
        row("middle click, mask", "focus:box_1 paste:middle=10.1.2.3_255.0.0.0", filled);
        row("middle click, text", "focus:box_1 paste:middle=4\n",
            "box=255.4255.255.255|focus=box_2|red=box_1");
    }
    void steps() { RunStepRow<Row>(); }
};

QTEST_MAIN(TestOctetBoxRow)
#include "tst_octetboxrow.moc"
