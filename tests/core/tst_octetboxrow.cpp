#include "core/octetboxrow.h"
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
    // Backspace and "\x7f" Delete, each with the control character a keyboard sends.
    void type(const QString& keys) const
    {
        for (QChar key : keys) {
            const Qt::Key code = key == '\b'     ? Qt::Key_Backspace
                                 : key == '\x7f' ? Qt::Key_Delete
                                                 : QTest::asciiToKey(key.toLatin1());
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), code, key, {});
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
        row("a dot skips the box an advance reached", "192.168.1.1", "192.255.168.11 @3");
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
        QSignalSpy changes(w.row, &OctetBoxRow::octetChanged);
        w.row->box(0)->setText("255"); // the same text raises nothing
        w.row->setAdvanceSuppressed(true);
        w.row->box(0)->setText("123");
        const QString suppressed = w.state();
        w.row->setAdvanceSuppressed(false);
        w.row->box(0)->setText("2555");
        QCOMPARE(suppressed + ' ' + w.state() + ' ' + QString::number(changes.count()),
                 "123.255.255.255 @0 2555!.255.255.255 @1 2");
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
