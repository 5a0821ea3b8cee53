#include "core/octetboxrow.h"

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
    // Each key goes to whichever box has the focus at that moment, as typing does.
    void type(const QString& keys) const
    {
        for (QChar key : keys)
            QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
    }
    // The boxes' texts and the focused box's index: "1.2.3.4 @3".
    QString state() const
    {
        QStringList texts;
        for (OctetBox* box : row->boxes())
            texts << box->text();
        return texts.join('.') + " @" +
               QString::number(row->boxes().indexOf(QApplication::focusWidget()));
    }
    QString colour(int index) const
    {
        return row->box(index)->palette().color(QPalette::Text).name();
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
        row("999 advances and stays", "999", "999.255.255.255 @1");
    }
    void typing()
    {
        QFETCH(QString, keys);
        QFETCH(QString, state);
        RowWindow w;
        w.type(keys);
        QCOMPARE(w.state(), state);
    }

    void colourFollowsTheValue()
    {
        RowWindow w;
        QStringList colours;
        for (const char* text : {"256", "255", "2555", "12/", ""}) {
            w.row->box(0)->setText(text);
            colours << w.colour(0);
        }
        QCOMPARE(colours.join(' '), "#ff0000 #000000 #ff0000 #000000 #000000");
    }

    // An input method's commit and a key carrying several characters are typed one
    // character at a time, each into the box that has the focus by then.
    void textArrivingAsTyping_data()
    {
        QTest::addColumn<bool>("inputMethod");
        QTest::newRow("input method commit") << true;
        QTest::newRow("multi-character key") << false;
    }
    void textArrivingAsTyping()
    {
        QFETCH(bool, inputMethod);
        RowWindow w;
        QInputMethodEvent commit;
        commit.setCommitString("1a2.3");
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, "1a2.3");
        QApplication::sendEvent(w.row->box(0), inputMethod ? static_cast<QEvent*>(&commit) : &key);
        QCOMPARE(w.state(), "12.3.255.255 @1");
    }

    // Entering a box selects its text; coming back to the window keeps the user's selection.
    void focusSelectsTheWholeText_data()
    {
        QTest::addColumn<int>("how");
        QTest::addColumn<QString>("selected");
        QTest::newRow("mouse click") << 1 << "12";
        QTest::newRow("advance") << 2 << "12";
        QTest::newRow("window reactivated") << 3 << "2";
        QTest::newRow("window opened with the focus in it") << 4 << "12";
    }
    void focusSelectsTheWholeText()
    {
        QFETCH(int, how);
        QFETCH(QString, selected);
        RowWindow w;
        OctetBox* box = w.row->box(1);
        box->setText("12");
        if (how == 1) {
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(30, 10));
        } else if (how == 2) {
            w.type("123");
        } else {
            if (how == 3) {
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
        w.row->box(0)->clear();
        QStringList seen;
        connect(w.row, &OctetBoxRow::octetChanged, w.row,
                [&](int index) { seen << w.row->box(index)->text(); });
        w.type("300");
        // The nested "255" change reaches the panel before the outer one does.
        QCOMPARE(seen.join(' ') + ' ' + w.colour(0) + ' ' + w.state(),
                 "3 30 255 255 #000000 255.255.255.255 @1");
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
        w.row->box(0)->setText("124");
        QCOMPARE(suppressed + ' ' + w.state() + ' ' + QString::number(changes.count()),
                 "123.255.255.255 @0 124.255.255.255 @1 2");
    }

    void editingKeys()
    {
        RowWindow w;
        w.row->box(0)->setText("2555");
        w.row->box(0)->setFocus();
        w.row->box(0)->deselect();
        QTest::keyClick(w.row->box(0), Qt::Key_Backspace); // three characters again: advance
        QTest::keyClick(w.row->box(1), Qt::Key_Delete);    // empty: the focus stays
        QCOMPARE(w.state(), "255..255.255 @1");
    }

    void onlyCopyPassesTheClipboardKeys()
    {
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
