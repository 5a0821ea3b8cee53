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
    RowWindow(int count, OctetBoxRow::OverRange overRange = OctetBoxRow::OverRange::Keep)
    {
        row = new OctetBoxRow(QStringLiteral("box"), count, overRange, &window);
        for (int i = 0; i < count; ++i) {
            row->box(i)->setGeometry(10 + 50 * i, 10, 45, 20);
            row->box(i)->setText(QStringLiteral("255"));
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
    QString texts() const
    {
        QStringList all;
        for (OctetBox* box : row->boxes())
            all << box->text();
        return all.join(QLatin1Char('.'));
    }
    int focus() const { return row->boxes().indexOf(QApplication::focusWidget()); }
    bool red(int index) const
    {
        return row->box(index)->palette().color(QPalette::Text) == QColor(Qt::red);
    }

    QWidget window;
    OctetBoxRow* row = nullptr;
};

} // namespace

class TestOctetBoxRow : public QObject
{
    Q_OBJECT

private slots:
    void typing_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("texts");
        QTest::addColumn<int>("focus");
        const auto row = [](const char* name, int count, const char* keys, const char* texts,
                            int focus) {
            QTest::newRow(name) << count << QString(keys) << QString(texts) << focus;
        };
        row("a dot skips the box an advance reached", 4, "192.168.1.1", "192.255.168.11", 3);
        row("advances without dots", 4, "1921681.1", "192.168.1.1", 3);
        row("a dot in the last box stays", 4, "1.2.3.4.5", "1.2.3.45", 3);
        row("fourth character in the last box", 4, "1112223332555", "111.222.333.2555", 3);
        row("address runs into the mask", 8, "10.0.0.255000", "10.0.0.255.000.255.255.255", 5);
        row("filtered characters", 4, "1a 2+-,3", "123.255.255.255", 1);
        row("slash is typed like a digit", 4, "12/", "12/.255.255.255", 1);
        row("999 advances and stays", 4, "999", "999.255.255.255", 1);
    }
    void typing()
    {
        QFETCH(int, count);
        QFETCH(QString, keys);
        QFETCH(QString, texts);
        QFETCH(int, focus);
        RowWindow w(count);
        w.type(keys);
        QCOMPARE(w.texts(), texts);
        QCOMPARE(w.focus(), focus);
    }

    void colourFollowsTheValue()
    {
        RowWindow w(1);
        QStringList colours;
        for (const char* text : {"256", "255", "2555", "12/", ""}) {
            w.row->box(0)->setText(QString(text));
            colours << (w.red(0) ? "red" : w.row->box(0)->palette().color(QPalette::Text).name());
        }
        QCOMPARE(colours.join(' '), QStringLiteral("red #000000 red #000000 #000000"));
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
        RowWindow w(4);
        const QString text = QStringLiteral("1a2.3");
        if (inputMethod) {
            QInputMethodEvent commit;
            commit.setCommitString(text);
            QApplication::sendEvent(w.row->box(0), &commit);
        } else {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
            QApplication::sendEvent(w.row->box(0), &key);
        }
        QCOMPARE(w.texts(), QStringLiteral("12.3.255.255"));
        QCOMPARE(w.focus(), 1);
    }

    void selectionSurvivesReactivation()
    {
        RowWindow w(4);
        OctetBox* box = w.row->box(0);
        box->setSelection(1, 1);
        QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QFocusEvent in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(box, &out);
        QApplication::sendEvent(box, &in);
        QCOMPARE(box->selectedText(), QStringLiteral("5"));
    }

    void focusSelectsTheWholeText_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("tab") << 0;
        QTest::newRow("mouse click") << 1;
        QTest::newRow("advance") << 2;
    }
    void focusSelectsTheWholeText()
    {
        QFETCH(int, how);
        RowWindow w(4);
        w.row->box(1)->setText(QStringLiteral("12"));
        if (how == 0)
            QTest::keyClick(w.row->box(0), Qt::Key_Tab);
        else if (how == 1)
            QTest::mouseClick(w.row->box(1), Qt::LeftButton, {}, QPoint(30, 10));
        else
            w.type(QStringLiteral("123"));
        QCOMPARE(w.focus(), 1);
        QCOMPARE(w.row->box(1)->selectedText(), QStringLiteral("12"));
    }

    void clampRunsTheWholeHandlingNested()
    {
        RowWindow w(4, OctetBoxRow::OverRange::ClampTo255);
        w.row->box(0)->clear();
        QStringList seen;
        connect(w.row, &OctetBoxRow::octetChanged, w.row,
                [&](int index) { seen << w.row->box(index)->text(); });
        w.type(QStringLiteral("300"));
        // The nested "255" change reaches the panel before the outer one does.
        QCOMPARE(seen, (QStringList{"3", "30", "255", "255"}));
        QVERIFY(!w.red(0));
        QCOMPARE(w.focus(), 1);
    }

    void programAssignments()
    {
        RowWindow w(4);
        QSignalSpy changes(w.row, &OctetBoxRow::octetChanged);
        w.row->box(0)->setText(QStringLiteral("255"));
        QCOMPARE(changes.count(), 0); // the same text raises nothing
        w.row->setAdvanceSuppressed(true);
        w.row->box(0)->setText(QStringLiteral("123"));
        QCOMPARE(w.focus(), 0);
        w.row->setAdvanceSuppressed(false);
        w.row->box(0)->setText(QStringLiteral("124"));
        QCOMPARE(w.focus(), 1);
        QCOMPARE(changes.count(), 2);
    }

    void editingKeys()
    {
        RowWindow w(4);
        w.row->box(0)->setText(QStringLiteral("2555"));
        w.row->box(0)->setFocus();
        w.row->box(0)->deselect();
        QTest::keyClick(w.row->box(0), Qt::Key_Backspace); // three characters again: advance
        QCOMPARE(w.focus(), 1);
        QTest::keyClick(w.row->box(1), Qt::Key_Delete); // empty: black, focus stays
        QCOMPARE(w.texts(), QStringLiteral("255..255.255"));
        QCOMPARE(w.focus(), 1);
    }

    void onlyCopyPassesTheClipboardKeys()
    {
        RowWindow w(4);
        OctetBox* box = w.row->box(0);
        box->setText(QStringLiteral("42"));
        box->selectAll();
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("42"));
        QApplication::clipboard()->setText(QStringLiteral("77"));
        for (Qt::Key key : {Qt::Key_V, Qt::Key_X, Qt::Key_Z})
            QTest::keyClick(box, key, Qt::ControlModifier);
        QCOMPARE(box->text(), QStringLiteral("42"));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("77"));
    }
};

QTEST_MAIN(TestOctetBoxRow)
#include "tst_octetboxrow.moc"
