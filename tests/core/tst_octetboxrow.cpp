#include "core/octetboxrow.h"
#include "support/testregistry.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

// A window holding one row, shown and active, as a panel would hold it.
struct RowWindow
{
    RowWindow(int count, OctetBoxRow::OverRange overRange)
    {
        row = new OctetBoxRow(QStringLiteral("box"), count, overRange, &window);
        for (int i = 0; i < count; ++i)
            row->box(i)->setGeometry(10 + 50 * i, 10, 45, 20);
        window.resize(60 + 50 * count, 40);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    QStringList texts() const
    {
        QStringList all;
        for (OctetBox* box : row->boxes())
            all << box->text();
        return all;
    }

    int focusIndex() const { return row->boxes().indexOf(QApplication::focusWidget()); }

    QWidget window;
    OctetBoxRow* row = nullptr;
};

QColor TextColor(const QLineEdit* box)
{
    return box->palette().color(QPalette::Text);
}

} // namespace

class TestOctetBoxRow : public QObject
{
    Q_OBJECT

private slots:
    void typedSequences_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("focus");
        const QStringList full = {"255", "255", "255", "255"};
        QTest::newRow("dots skip the box an advance reached")
            << 4 << "192.168.1.1" << QStringList{"192", "255", "168", "11"} << 3;
        QTest::newRow("advances without dots")
            << 4 << "1921681.1" << QStringList{"192", "168", "1", "1"} << 3;
        QTest::newRow("dot in the last box stays there")
            << 4 << "1.2.3.4.5" << QStringList{"1", "2", "3", "45"} << 3;
        QTest::newRow("fourth character in the last box")
            << 4 << "1112223332555" << QStringList{"111", "222", "333", "2555"} << 3;
        QTest::newRow("address runs on into the mask group")
            << 8 << "10.0.0.255000"
            << QStringList{"10", "0", "0", "255", "000", "255", "255", "255"} << 5;
        QTest::newRow("letters, blanks and signs never arrive")
            << 4 << "1a 2+-,3" << QStringList{"123", "255", "255", "255"} << 1;
        QTest::newRow("slash is typed like a digit")
            << 4 << "12/" << QStringList{"12/", "255", "255", "255"} << 1;
    }
    void typedSequences()
    {
        QFETCH(int, count);
        QFETCH(QString, keys);
        QFETCH(QStringList, texts);
        QFETCH(int, focus);
        // Each key goes to whichever box has the focus at that moment, as typing does.
        RowWindow typed(count, OctetBoxRow::OverRange::Keep);
        for (OctetBox* box : typed.row->boxes())
            box->setText(QStringLiteral("255"));
        typed.row->box(0)->setFocus();
        for (QChar key : keys)
            QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
        QCOMPARE(typed.texts(), texts);
        QCOMPARE(typed.focusIndex(), focus);
    }

    void focusSelectsTheWholeText_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("tab") << "tab";
        QTest::newRow("mouse click") << "click";
        QTest::newRow("advance") << "advance";
    }
    void focusSelectsTheWholeText()
    {
        QFETCH(QString, how);
        RowWindow w(4, OctetBoxRow::OverRange::Keep);
        w.row->box(1)->setText(QStringLiteral("12"));
        w.row->box(0)->setFocus();
        if (how == QLatin1String("tab"))
            QTest::keyClick(w.row->box(0), Qt::Key_Tab);
        else if (how == QLatin1String("click"))
            QTest::mouseClick(w.row->box(1), Qt::LeftButton, {}, QPoint(30, 10));
        else
            QTest::keyClicks(w.row->box(0), QStringLiteral("123"));
        QCOMPARE(w.focusIndex(), 1);
        QCOMPARE(w.row->box(1)->selectedText(), QStringLiteral("12"));
    }

    void overRange_data()
    {
        QTest::addColumn<bool>("clamp");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("red");
        QTest::newRow("kept: 999 stays red") << false << "999"
                                             << "999" << true;
        QTest::newRow("kept: 256 is red") << false << "256"
                                          << "256" << true;
        QTest::newRow("kept: 255 is black") << false << "255"
                                            << "255" << false;
        QTest::newRow("clamped: 300 becomes black 255") << true << "300"
                                                        << "255" << false;
        QTest::newRow("clamped: 256 becomes 255") << true << "256"
                                                  << "255" << false;
    }
    void overRange()
    {
        QFETCH(bool, clamp);
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(bool, red);
        RowWindow w(4, clamp ? OctetBoxRow::OverRange::ClampTo255 : OctetBoxRow::OverRange::Keep);
        w.row->box(0)->setFocus();
        QTest::keyClicks(w.row->box(0), typed);
        QCOMPARE(w.row->box(0)->text(), text);
        QCOMPARE(TextColor(w.row->box(0)), red ? QColor(Qt::red) : QColor(Qt::black));
        QCOMPARE(w.focusIndex(), 1);
    }

    void clampRunsTheWholeHandlingNested()
    {
        RowWindow w(4, OctetBoxRow::OverRange::ClampTo255);
        QStringList seen;
        connect(w.row, &OctetBoxRow::octetChanged, w.row,
                [&](int index) { seen << w.row->box(index)->text(); });
        w.row->box(0)->setFocus();
        QTest::keyClicks(w.row->box(0), QStringLiteral("300"));
        // The nested "255" change completes before the outer one reaches the panel.
        QCOMPARE(seen, (QStringList{"3", "30", "255", "255"}));
    }

    void programAssignments()
    {
        RowWindow w(4, OctetBoxRow::OverRange::Keep);
        QSignalSpy changes(w.row, &OctetBoxRow::octetChanged);
        w.row->box(2)->setFocus();
        w.row->box(2)->setText(QStringLiteral("10"));
        QCOMPARE(changes.count(), 1);
        QCOMPARE(w.focusIndex(), 2);
        w.row->box(2)->setText(QStringLiteral("10"));
        QCOMPARE(changes.count(), 1); // same text: nothing happens
        w.row->box(2)->setText(QStringLiteral("100"));
        QCOMPARE(w.focusIndex(), 3);

        w.row->box(0)->setFocus();
        w.row->setAdvanceSuppressed(true);
        w.row->box(0)->setText(QStringLiteral("123"));
        QCOMPARE(w.focusIndex(), 0);
        QCOMPARE(changes.count(), 3);
    }

    void editingKeys()
    {
        RowWindow w(4, OctetBoxRow::OverRange::Keep);
        w.row->box(1)->setText(QStringLiteral("2555"));
        w.row->box(1)->setFocus();
        QTest::keyClick(w.row->box(1), Qt::Key_End);
        QTest::keyClick(w.row->box(1), Qt::Key_Backspace);
        QCOMPARE(w.row->box(1)->text(), QStringLiteral("255"));
        QCOMPARE(w.focusIndex(), 2); // three characters left: the advance runs

        w.row->box(2)->setText(QStringLiteral("7"));
        w.row->box(2)->selectAll();
        QTest::keyClick(w.row->box(2), Qt::Key_Delete);
        QCOMPARE(w.row->box(2)->text(), QString());
        QCOMPARE(w.focusIndex(), 2);
        QCOMPARE(TextColor(w.row->box(2)), QColor(Qt::black));
    }

    void clipboardKeys()
    {
        RowWindow w(4, OctetBoxRow::OverRange::Keep);
        OctetBox* box = w.row->box(0);
        box->setText(QStringLiteral("42"));
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("42"));

        QApplication::clipboard()->setText(QStringLiteral("77"));
        box->selectAll();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(box->text(), QStringLiteral("42"));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("77"));
    }

    void objectNamesFollowTheArray()
    {
        RowWindow w(8, OctetBoxRow::OverRange::Keep);
        QCOMPARE(w.window.findChild<OctetBox*>(QStringLiteral("box_7")), w.row->box(7));
    }
};

FEROL_REGISTER_TEST(TestOctetBoxRow)
#include "tst_octetboxrow.moc"
