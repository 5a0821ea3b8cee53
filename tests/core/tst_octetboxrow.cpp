#include "core/octetboxrow.h"

#include "support/paneldriver.h"
#include "support/privateclipboard.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

// A shown, active window holding one row whose boxes all start as "255".
struct RowWindow
{
    explicit RowWindow(OctetBoxRow::OverRange overRange = OctetBoxRow::OverRange::Keep)
        : row(new OctetBoxRow("box", 4, overRange, &window))
    {
        for (int i = 0; i < 4; ++i) {
            row->box(i)->setGeometry(10 + 50 * i, 10, 45, 20);
            row->box(i)->setText("255");
        }
        window.show();
        window.activateWindow();
        (void)QTest::qWaitForWindowActive(&window);
        row->box(0)->setFocus();
    }
    // Each key goes to whichever box has the focus at that moment, as typing does; "\b" is
    // Backspace and "\x7f" Delete, each with the control character a keyboard sends, "^"
    // a Shift key alone, "<" the Left arrow, "\t" Tab and "~" Shift+Tab.
    void type(const QString& keys) const
    {
        for (QChar key : keys) {
            QWidget* focus = QApplication::focusWidget();
            if (key == '^')
                QTest::keyClick(focus, Qt::Key_Shift);
            else if (key == '<')
                QTest::keyClick(focus, Qt::Key_Left);
            else if (key == '~')
                QTest::keyClick(focus, Qt::Key_Backtab, Qt::ShiftModifier);
            else
                QTest::sendKeyEvent(QTest::Click, focus,
                                    key == '\b'     ? Qt::Key_Backspace
                                    : key == '\x7f' ? Qt::Key_Delete
                                                    : QTest::asciiToKey(key.toLatin1()),
                                    key, {});
        }
    }
    // The boxes' texts, "!" after a red one, "?" after one neither red nor black, and the
    // focused box's index: "1.2!.3.4 @3".
    QString state() const
    {
        QStringList texts;
        for (OctetBox* box : row->boxes()) {
            const QColor colour = box->palette().color(QPalette::Text);
            texts << box->text() + (colour == Qt::red ? "!" : colour == Qt::black ? "" : "?");
        }
        return texts.join('.') + " @" +
               QString::number(row->boxes().indexOf(QApplication::focusWidget()));
    }

    QWidget window;
    OctetBoxRow* row;
};

} // namespace

class TestOctetBoxRow : public QObject
{
    Q_OBJECT

private slots:
    void typing_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("state");
        const auto row = [](const char* name, const char* keys, const char* state) {
            QTest::newRow(name) << QString(keys) << QString(state);
        };
        // The "." right after an advance is the one the user meant for it.
        row("dots after advances", "192.168.1.1", "192.168.1.1 @3");
        row("advances alone", "1921681.1", "192.168.1.1 @3");
        row("dots alone", "10.0.0.1", "10.0.0.1 @3");
        row("a second dot moves on", "192..1", "192.255.1.255 @2");
        row("a key before the dot", "192<.1", "192.255.1.255 @2");
        row("Shift before the dot", "192^.1", "192.1.255.255 @1");
        row("away and back before the dot", "192\t~.1", "192.255.1.255 @2");
        row("a dot in the last box stays", "1.2.3.4.5", "1.2.3.45 @3");
        row("filtered characters", "1a 2+-,3", "123.255.255.255 @1");
        row("slash is typed like a digit", "12/", "12/.255.255.255 @1");
        row("over 255 is red, advances and stays", "999", "999!.255.255.255 @1");
        row("256 is red", "256", "256!.255.255.255 @1");
        row("editing keys", "12\b3.\x7f", "13..255.255 @1");
    }
    void typing()
    {
        QFETCH(QString, keys);
        QFETCH(QString, state);
        RowWindow w;
        w.type(keys);
        QCOMPARE(w.state(), state);
    }

    // An input method's commit and a key carrying several characters are typed one
    // character at a time, each into the box that has the focus by then; a commit's control
    // characters are no keys.
    void textArrivingAsTyping()
    {
        RowWindow w;
        QInputMethodEvent commit;
        commit.setCommitString("1a\t2.3.4");
        QApplication::sendEvent(w.row->box(0), &commit);
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, "5.6");
        QApplication::sendEvent(w.row->box(2), &key);
        QCOMPARE(w.state(), "12.3.45.6 @3");
    }

    // Entering a box selects its text; coming back to the window keeps the user's selection.
    void focusSelectsTheWholeText_data()
    {
        QTest::addColumn<int>("how"); // 0 a click, 1 back to the window, 2 first focus with it
        QTest::addColumn<QString>("selected");
        QTest::newRow("mouse click") << 0 << "12";
        QTest::newRow("window reactivated") << 1 << "2";
        QTest::newRow("window opened with the focus in it") << 2 << "12";
    }
    void focusSelectsTheWholeText()
    {
        QFETCH(int, how);
        QFETCH(QString, selected);
        RowWindow w;
        OctetBox* box = w.row->box(1);
        box->setText("12");
        if (how == 0) {
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(30, 10));
        } else {
            if (how == 1) {
                box->setFocus();
                box->setSelection(1, 1);
            }
            QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
            QFocusEvent in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
            QApplication::sendEvent(box, &out);
            QApplication::sendEvent(box, &in);
        }
        QCOMPARE(box->selectedText(), selected);
    }

    void clampRunsTheWholeHandlingNested()
    {
        RowWindow w(OctetBoxRow::OverRange::ClampTo255);
        QStringList seen;
        connect(w.row, &OctetBoxRow::octetChanged, w.row,
                [&](int index) { seen << w.row->box(index)->text(); });
        w.type("300");
        // The nested "255" change reaches the panel before the outer one does.
        QCOMPARE(seen.join(' ') + ' ' + w.state(), "3 30 255 255 255.255.255.255 @1");
    }

    void programAssignments()
    {
        RowWindow w;
        OctetBox* box = w.row->box(0);
        QSignalSpy changes(w.row, &OctetBoxRow::octetChanged);
        box->setSelection(1, 1);
        w.row->box(0)->setText("255");
        QCOMPARE(box->selectedText(), "5");
        QCOMPARE(changes.count(), 0);
        {
            const auto stay = w.row->suppressAdvance();
            box->setText("123");
        }
        QCOMPARE(w.state(), "123.255.255.255 @0");
        box->setText("2555");
        QCOMPARE(w.state(), "2555!.255.255.255 @1");
        QCOMPARE(changes.count(), 2);
    }

    // Every way of pasting: a dotted address fills the row and the focus stays; other text
    // goes into the box, one line.
    void pasting_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("fills");
        const auto row = [](const char* name, const char* path, const char* text, const char* state,
                            int fills) {
            QTest::newRow(name) << QString(path) << QString(text) << QString(state) << fills;
        };
        row("menu, address", "menu", "10.20.30.40", "10.20.30.40 @1", 1);
        row("Shift+Insert, prefix", "shift+insert", " 10.1.2.3/27\n", "10.1.2.3 @1", 1);
        row("middle click, mask", "middle", "1.2.3.4 255.0.0.0", "1.2.3.4 @1", 1);
        row("drop, address", "drop", "\t192.168.100.200", "192.168.100.200 @1", 1);
        row("menu, a line break", "menu", "7\r\n", "255.7.255.255 @1", 0);
        row("Shift+Insert, tabs", "shift+insert", "1\t2\t3", "255.123.255.255 @2", 0);
        row("middle click, text", "middle", "4\n", "255.4255!.255.255 @2", 0);
        row("drop, text", "drop", "9\n9", "255.99255!.255.255 @2", 0);
    }
    void pasting()
    {
        QFETCH(QString, path);
        QFETCH(QString, text);
        QFETCH(QString, state);
        QFETCH(int, fills);
        if (path != "drop" && !ClipboardIsPrivate())
            QSKIP(kDesktopClipboard);
        if (path == "middle" && !QApplication::clipboard()->supportsSelection())
            QSKIP("no selection to paste on this platform");
        RowWindow w;
        QSignalSpy pasted(w.row, &OctetBoxRow::addressPasted);
        w.row->box(1)->setFocus();
        QVERIFY(Paste(w.row->box(1), path, text));
        QCOMPARE(w.state(), state);
        QCOMPARE(pasted.count(), fills);
    }

    void onlyCopyPassesTheClipboardKeys()
    {
        if (!ClipboardIsPrivate())
            QSKIP(kDesktopClipboard);
        RowWindow w;
        OctetBox* box = w.row->box(0);
        box->setText("42");
        box->selectAll();
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), "42");
        QApplication::clipboard()->setText("77");
        for (Qt::Key key : {Qt::Key_V, Qt::Key_X, Qt::Key_Z})
            QTest::keyClick(box, key, Qt::ControlModifier);
        QCOMPARE(box->text() + ' ' + QApplication::clipboard()->text(), "42 77");
    }
};

QTEST_MAIN(TestOctetBoxRow)
#include "tst_octetboxrow.moc"
