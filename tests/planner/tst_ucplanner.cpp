// The planner tab driven as a person drives it: keys go to whichever control has the
// focus at that moment, buttons and table rows are clicked, spreadsheet lines are pasted
// by each path people use. What the tab then shows is read from its models, its picture
// and the clipboard; the picture and the table are checked to follow each other.

#include "planner/answermodel.h"
#include "planner/plan_document.h"
#include "planner/planpicture.h"
#include "planner/ucplanner.h"
#include "support/paneldriver.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace {

QString Column(const QAbstractItemModel& model, int column)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row) {
        const QString name = model.index(row, 0).data().toString();
        const QString cell = model.index(row, column).data().toString();
        texts << (name == "Free" ? "free:" + cell : cell);
    }
    return texts.join(' ');
}

QString NeedsShown(const QAbstractItemModel& model)
{
    QStringList rows;
    for (int row = 0; row < model.rowCount(); ++row)
        rows << model.index(row, 0).data().toString() + '=' + model.index(row, 1).data().toString();
    return rows.join(',');
}

// Pastes into the needs table the way a person does; false when the path cannot be taken.
bool PasteIntoTable(QTableView* table, const QString& path, const QString& text)
{
    if (path == "drop")
        return Paste(table->viewport(), path, text);
    if (path != "menu" && path != "button")
        return Paste(table, path, text);
    if (!ClipboardIsPrivate())
        return false;
    QApplication::clipboard()->setText(text);
    if (path == "button") {
        QTest::mouseClick(table->window()->findChild<QWidget*>("cmdPasteNeeds"), Qt::LeftButton);
        return true;
    }
    // The context menu opens modal: its Paste is chosen once it is up.
    bool chosen = false;
    QTimer::singleShot(0, [&chosen] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        for (QAction* action : menu ? menu->actions() : QList<QAction*>()) {
            if (action->text().startsWith("Paste")) {
                action->trigger();
                chosen = true;
            }
        }
        if (menu)
            menu->close();
    });
    const QPoint at(4, 4);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, table->viewport()->mapToGlobal(at));
    QApplication::sendEvent(table->viewport(), &event);
    table->window()->activateWindow();
    return chosen && QTest::qWaitForWindowActive(table->window());
}

} // namespace

class TestPlannerTab : public QObject
{
    Q_OBJECT

    struct Shown
    {
        ucPlanner panel;
        PanelDriver driver{panel};
        QTableView* needs = panel.findChild<QTableView*>("tblNeeds");
        QTableView* answer = panel.findChild<QTableView*>("tblAnswer");
        PlanPicture* picture = panel.findChild<PlanPicture*>("picPlan");

        Shown() { panel.resize(900, 700); }

        // The panel driver's steps, and "blank" for the space bar.
        void run(const QString& steps) const
        {
            driver.run(steps, [](const QString& step, const QString&) {
                if (step != "blank")
                    return false;
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
                return true;
            });
            // An editor commits what Enter ends a moment later.
            QCoreApplication::processEvents();
        }
        QString status() const { return panel.findChild<QLabel*>("lblPlanStatus")->text(); }
        QString parentStatus() const { return panel.findChild<QLabel*>("lblParentStatus")->text(); }
    };

private slots:
    void typedPlans_data();
    void typedPlans();
    void pastedSpreadsheetLines_data();
    void pastedSpreadsheetLines();
    void refusedParents_data();
    void refusedParents();
    void refusedSizeStaysInItsEditor();
    void pictureAndTableFollowEachOther();
    void answerCopiedAsTabSeparatedText();
    void needsMovedByTheirButtons();
};

void TestPlannerTab::typedPlans_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("networks"); // the answer's network column
    QTest::addColumn<QString>("status");   // a part of the status line

    // A need is added by its button, named, then Tab to its size and Enter.
    const QString five = "mouse:cmdAddNeed type:a tab type:100 key:Return "
                         "mouse:cmdAddNeed type:b tab type:50 key:Return "
                         "mouse:cmdAddNeed type:c tab type:25 key:Return "
                         "mouse:cmdAddNeed type:d tab type:10 key:Return "
                         "mouse:cmdAddNeed type:e tab type:2 key:Return";
    QTest::newRow("five needs in a /24")
        << "mouse:txtParent type:10.0.0.0/24 " + five
        << "10.0.0.0/25 10.0.0.128/26 10.0.0.192/27 10.0.0.224/28 10.0.0.240/30 "
           "free:10.0.0.244/30 free:10.0.0.248/29"
        << "5 networks in 10.0.0.0/24";
    QTest::newRow("200 and 100 do not fit")
        << "mouse:txtParent type:192.168.0.0/24 mouse:cmdAddNeed type:big tab type:200 "
           "key:Return mouse:cmdAddNeed type:small tab type:100 key:Return"
        << ""
        << "128 addresses missing in 192.168.0.0/24; \u201Csmall\u201D";
    QTest::newRow("a /48 split into /50")
        << "mouse:txtParent type:2001:db8::/48 focus:cboMode key:Down mouse:spnSplitLength "
           "key:Ctrl+A type:50 key:Return"
        << "2001:db8::/50 2001:db8:0:4000::/50 2001:db8:0:8000::/50 2001:db8:0:c000::/50"
        << "4 networks in 2001:db8::/48";
    QTest::newRow("five equal networks leave spares free")
        << "mouse:txtParent type:10.0.0.0/24 focus:cboMode key:End mouse:spnSplitCount "
           "key:Ctrl+A type:5 key:Return"
        << "10.0.0.0/27 10.0.0.32/27 10.0.0.64/27 10.0.0.96/27 10.0.0.128/27 "
           "free:10.0.0.160/27 free:10.0.0.192/26"
        << "5 networks in 10.0.0.0/24";
}

void TestPlannerTab::typedPlans()
{
    QFETCH(QString, steps);
    QFETCH(QString, status);
    Shown shown;
    shown.run(steps);
    QTEST(Column(*shown.answer->model(), 1), "networks");
    QVERIFY2(shown.status().contains(status), qPrintable(shown.status()));
}

void TestPlannerTab::pastedSpreadsheetLines_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("lines");
    QTest::addColumn<QString>("needs");    // the needs table afterwards
    QTest::addColumn<QString>("networks"); // the answer's network column

    const QString sheet = "Name\tHosts\r\nOffice\t100\r\nLab\t25\r\n";
    const QString both = "Office=100,Lab=25";
    const QString networks = "10.0.0.0/25 10.0.0.128/27 free:10.0.0.160/27 free:10.0.0.192/26";
    QTest::newRow("Ctrl+V") << "ctrl+v" << sheet << both << networks;
    QTest::newRow("Shift+Insert") << "shift+insert" << sheet << both << networks;
    QTest::newRow("context menu") << "menu" << sheet << both << networks;
    QTest::newRow("button") << "button" << sheet << both << networks;
    QTest::newRow("drag and drop") << "drop" << sheet << both << networks;
    QTest::newRow("a bad line pastes nothing") << "ctrl+v"
                                               << "Office\t100\nLab\tlots"
                                               << ""
                                               << "free:10.0.0.0/24";
}

void TestPlannerTab::pastedSpreadsheetLines()
{
    QFETCH(QString, path);
    QFETCH(QString, lines);
    Shown shown;
    shown.run("mouse:txtParent type:10.0.0.0/24 mouse:tblNeeds");
    QCOMPARE(QApplication::focusWidget(), shown.needs);
    if (!PasteIntoTable(shown.needs, path, lines))
        QSKIP(kDesktopClipboard);
    QTEST(NeedsShown(*shown.needs->model()), "needs");
    QTEST(Column(*shown.answer->model(), 1), "networks");
    if (lines.contains("lots"))
        QVERIFY(shown.panel.findChild<QLabel*>("lblNeedsMessage")->text().contains("Line 2"));
}

void TestPlannerTab::refusedParents_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("said"); // a part of what the parent's status line says
    const auto row = [](const char* name, const char* typed, const char* said) {
        QTest::newRow(name) << QString("mouse:txtParent") + typed << QString(said);
    };
    row("nothing typed", "", "Type the network to divide");
    row("IPv4 mask with a gap", " type:10.0.0.0 blank type:255.0.255.0", "no gap");
    row("IPv6 group too long", " type:2001:db8:12345::/48",
        "group 3 has 5 digits (at character 10)");
}

// A parent that is not a network says why, keeps the text as typed and plans nothing.
void TestPlannerTab::refusedParents()
{
    QFETCH(QString, steps);
    QFETCH(QString, said);
    Shown shown;
    shown.run("mouse:cmdAddNeed type:a tab type:10 key:Return " + steps);
    QVERIFY2(shown.parentStatus().contains(said), qPrintable(shown.parentStatus()));
    QCOMPARE(shown.answer->model()->rowCount(), 0);
    QCOMPARE(NeedsShown(*shown.needs->model()), "a=10");
}

// A size the plan cannot take is neither committed nor thrown away: Enter leaves it in
// the open editor, and the need keeps the size it had.
void TestPlannerTab::refusedSizeStaysInItsEditor()
{
    Shown shown;
    shown.run("mouse:txtParent type:10.0.0.0/24 mouse:cmdAddNeed type:x tab type:/129 key:Return");
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor && shown.needs->isAncestorOf(editor));
    QCOMPARE(editor->text(), "/129");
    QCOMPARE(NeedsShown(*shown.needs->model()), "x=1");
    // Letters never reach the box at all.
    shown.run("key:Backspace key:Backspace key:Backspace type:28z key:Return");
    QCOMPARE(NeedsShown(*shown.needs->model()), "x=/28");
}

void TestPlannerTab::pictureAndTableFollowEachOther()
{
    Shown shown;
    shown.run("mouse:txtParent type:10.0.0.0/24");
    shown.panel.document().insertNeeds(0, {{"a", net::NeedSize::count(100)},
                                           {"b", net::NeedSize::count(50)},
                                           {"c", net::NeedSize::count(25)},
                                           {"d", net::NeedSize::count(10)},
                                           {"e", net::NeedSize::count(2)}});
    QCoreApplication::processEvents();
    const QAbstractItemModel& model = *shown.answer->model();
    QCOMPARE(model.rowCount(), 7);
    // Each block's width is its row's share, or the least a block is drawn at, and
    // hovering it selects the row.
    PlanPicture& picture = *shown.picture;
    for (int row = 0; row < model.rowCount(); ++row) {
        const QRect block = picture.blockRect(row);
        const double share = model.index(row, 0).data(AnswerModel::ShareRole).toDouble();
        QVERIFY(std::abs(block.width() - share * (picture.width() - 1)) <= 1.5 ||
                block.width() == picture.minimumBlockWidth());
        QTest::mouseMove(&picture, block.center());
        QCOMPARE(shown.answer->currentIndex().row(), row);
        QVERIFY(shown.answer->selectionModel()->isRowSelected(row));
    }
}

void TestPlannerTab::answerCopiedAsTabSeparatedText()
{
    if (!ClipboardIsPrivate())
        QSKIP(kDesktopClipboard);
    Shown shown;
    shown.run("mouse:txtParent type:10.0.0.0/24 mouse:cmdAddNeed type:Office tab type:100 "
              "key:Return");
    QTest::mouseClick(shown.answer->viewport(), Qt::LeftButton, {},
                      shown.answer->visualRect(shown.answer->model()->index(1, 0)).center());
    shown.run("key:Ctrl+C");
    QCOMPARE(QApplication::clipboard()->text().section('\n', 1),
             "Free\t10.0.0.128/25\t255.255.255.128\t10.0.0.128\t10.0.0.255\t\u2014\t\u2014\tall\n");
    shown.run("mouse:cmdCopyAnswer");
    const QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines[1].startsWith("Office\t10.0.0.0/25\t255.255.255.128\t10.0.0.1\t10.0.0.126\t"
                                "10.0.0.127\t126\t26"));
}

void TestPlannerTab::needsMovedByTheirButtons()
{
    Shown shown;
    shown.run("mouse:txtParent type:10.0.0.0/24 mouse:cmdAddNeed type:a tab type:100 key:Return "
              "mouse:cmdAddNeed type:b tab type:20 key:Return mouse:cmdMoveNeedUp");
    QCOMPARE(NeedsShown(*shown.needs->model()), "b=20,a=100");
    shown.run("mouse:cmdMoveNeedDown");
    QCOMPARE(NeedsShown(*shown.needs->model()), "a=100,b=20");
}

QTEST_MAIN(TestPlannerTab)
#include "tst_ucplanner.moc"
