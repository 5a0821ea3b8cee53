// The planner's logic without widgets: spreadsheet lines read into needs, and the plan
// document's history with the models over it kept consistent (checked by Qt's model
// tester through random edits, undos and redos).

#include "planner/answermodel.h"
#include "planner/needsmodel.h"
#include "planner/plan_document.h"
#include "planner/plan_texts.h"

#include <QAbstractItemModelTester>
#include <QRandomGenerator>
#include <QTest>

namespace {

QString NeedsText(const std::vector<net::PlanNeed>& needs)
{
    QStringList rows;
    for (const net::PlanNeed& need : needs)
        rows << QString::fromStdString(need.name + "=" + need.size.toString());
    return rows.join('|');
}

} // namespace

class TestPlannerLogic : public QObject
{
    Q_OBJECT

private slots:
    void pastedNeeds_data();
    void pastedNeeds();
    void historyKeepsModelsConsistent();
};

void TestPlannerLogic::pastedNeeds_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("needs");
    QTest::addColumn<QString>("error"); // the start of it
    const auto row = [](const char* name, const char* text, const char* needs,
                        const QString& error = {}) {
        QTest::newRow(name) << QString(text) << QString(needs) << error;
    };
    row("tabs, with a header", "Name\tHosts\nOffice\t100\nLab\t25\n", "Office=100|Lab=25");
    row("commas, CR LF", "Office,100\r\nCore, /56\r\n", "Office=100|Core=/56");
    row("comma inside a name", "Sales, north,50", "Sales, north=50");
    row("quoted cells", R"("Office ""A""","20")", "Office \"A\"=20");
    row("bare sizes", "10\n\n20", "=10|=20");
    row("a bad size later", "Office\t100\nLab\tmany", "", "Line 2: \u201Cmany\u201D is not a size");
    row("only a header", "Name\tHosts", "");
}

void TestPlannerLogic::pastedNeeds()
{
    QFETCH(QString, text);
    QFETCH(QString, error);
    const PastedNeeds pasted = ReadPastedNeeds(text);
    QTEST(NeedsText(pasted.needs), "needs");
    QVERIFY2(error.isEmpty() ? pasted.error.isEmpty() : pasted.error.startsWith(error),
             qPrintable(pasted.error));
}

// Random edits of every kind, then all undone and all redone: the document comes back to
// each state it passed, and the models' signals stay what views rely on.
void TestPlannerLogic::historyKeepsModelsConsistent()
{
    PlanDocument document;
    NeedsModel needs(document);
    AnswerModel answer(document);
    QAbstractItemModelTester needsTester(&needs,
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
    QAbstractItemModelTester answerTester(&answer,
                                          QAbstractItemModelTester::FailureReportingMode::QtTest);
    // Each edit names the rows it replaces: the rows outside them are the same before and
    // after, so a view can keep them.
    std::vector<net::PlanNeed> rowsBefore;
    connect(&document, &PlanDocument::needsAboutToChange, this, [&](int first, int removed, int) {
        rowsBefore = document.plan().needs;
        QVERIFY(first >= 0 && removed >= 0 && first + removed <= int(rowsBefore.size()));
    });
    connect(&document, &PlanDocument::needsChanged, this,
            [&](int first, int removed, int inserted) {
                const auto& after = document.plan().needs;
                QCOMPARE(int(after.size()), int(rowsBefore.size()) - removed + inserted);
                QVERIFY(inserted >= 0);
                QVERIFY(std::equal(rowsBefore.begin(), rowsBefore.begin() + first, after.begin()));
                QVERIFY(std::equal(rowsBefore.begin() + first + removed, rowsBefore.end(),
                                   after.begin() + first + inserted));
            });
    QRandomGenerator random(32);
    std::vector<PlanDocument::State> states{{document.plan(), document.parentText()}};
    const QString parents[] = {"10.0.0.0/22", "2001:db8::/56", "10.0.0.0 255.255.255.0",
                               "10.0.0.1/24"};
    for (int step = 0; step < 300; ++step) {
        const int rows = int(document.plan().needs.size());
        const int count = document.undoStack()->count();
        switch (random.bounded(8)) {
        case 0:
            document.setParentText(parents[random.bounded(4)]);
            break;
        case 1:
            document.setMode(net::PlanMode(random.bounded(3)));
            break;
        case 2: {
            // Often copies of a row beside it, as pasting the same lines twice makes: the
            // rows that differ are then ambiguous, and the models must still agree.
            const int at = random.bounded(rows + 1);
            const net::PlanNeed need =
                rows > 0 && random.bounded(2) == 0
                    ? document.plan().needs[std::size_t(std::max(0, at - 1))]
                    : net::PlanNeed{"n", net::NeedSize::count(random.bounded(300))};
            document.insertNeeds(
                at, std::vector<net::PlanNeed>(std::size_t(random.bounded(1, 4)), need));
            break;
        }
        case 3:
            if (rows > 0)
                document.removeNeeds(random.bounded(rows), random.bounded(1, 3));
            break;
        case 4:
            if (rows > 0)
                document.moveNeed(random.bounded(rows), random.bounded(rows + 1));
            break;
        case 5:
            if (rows > 0)
                QVERIFY(needs.setData(needs.index(random.bounded(rows), NeedsModel::SizeColumn),
                                      QString::number(random.bounded(1, 2000)), Qt::EditRole));
            break;
        case 6:
            document.setSplitLength(random.bounded(20, 70));
            break;
        default:
            document.setSplitCount(std::uint64_t(random.bounded(1, 40)));
            break;
        }
        // Typing in the parent box merges into one step; every other edit adds its own.
        if (document.undoStack()->count() > count)
            states.push_back({document.plan(), document.parentText()});
        else if (document.undoStack()->count() == count && count > 0)
            states.back() = {document.plan(), document.parentText()};
        QCOMPARE(needs.rowCount(), int(document.plan().needs.size()));
        QCOMPARE(answer.rowCount(),
                 int(document.answer().allocations.size() + document.answer().free.size()));
    }
    QCOMPARE(document.undoStack()->count() + 1, int(states.size()));
    for (int k = int(states.size()) - 1; k > 0; --k) {
        QCOMPARE(document.parentText(), states[std::size_t(k)].parentText);
        QVERIFY(document.plan().needs == states[std::size_t(k)].plan.needs);
        document.undoStack()->undo();
    }
    QVERIFY(document.plan().needs.empty());
    QVERIFY(document.parentText().isEmpty());
    while (document.undoStack()->canRedo())
        document.undoStack()->redo();
    QVERIFY(document.plan().needs == states.back().plan.needs);
    QCOMPARE(document.plan().mode, states.back().plan.mode);
}

QTEST_MAIN(TestPlannerLogic)
#include "tst_planner_logic.moc"
