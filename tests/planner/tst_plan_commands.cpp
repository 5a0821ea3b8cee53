// The planner tab's file commands and its undo and redo, used as a person uses them:
// choosers answered, keys sent to whichever control has the focus. What the tab shows is
// read from its own controls and models, before and after, so a command that fails is
// seen to change nothing.

#include "net/plan_file.h"
#include "planner/plan_document.h"
#include "planner/plan_texts.h"
#include "planner/plancommandbar.h"
#include "planner/ucplanner.h"
#include "support/python_csv.h"
#include "testing/recordingshellservices.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include <functional>
#include <memory>

using Edit = std::function<void(PlanDocument&)>;

namespace {

net::PlanNeed Need(const char* name, std::uint64_t hosts)
{
    return {name, net::NeedSize::count(hosts)};
}

// A plan with names a spreadsheet and a JSON file both find awkward.
void AwkwardPlan(PlanDocument& document)
{
    document.setParentText("192.168.1.0/24");
    document.insertNeeds(0, {Need("Sales, Berlin", 50),
                             Need("the \"lab\"\nfloor 2", 10),
                             {"Link", net::NeedSize::prefixLength(30)}});
}

QByteArray SavedText(void (*make)(PlanDocument&))
{
    PlanDocument document;
    make(document);
    return QByteArray::fromStdString(net::PlanFileText(document.plan(), document.answer()));
}

} // namespace

class TestPlanCommands : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    RecordingShellServices m_services;
    std::unique_ptr<ucPlanner> m_tab;
    PlanCommandBar* m_bar = nullptr;

    PlanDocument& document() { return m_tab->document(); }
    QString path(const QString& name) const { return m_dir.filePath(name); }

    // Everything the tab shows of its plan, in one text to compare.
    QString shown() const
    {
        return m_tab->findChild<QLineEdit*>("txtParent")->text() + "\n" + tables() + fileLabel() +
               "\n" + QString::number(m_tab->document().undoStack()->count());
    }

    // The needs and the answer as the tab's tables show them.
    QString tables() const
    {
        return TabSeparated(*m_tab->findChild<QTableView*>("tblNeeds")->model()) +
               TabSeparated(*m_tab->findChild<QTableView*>("tblAnswer")->model());
    }

    QString fileLabel() const { return m_tab->findChild<QLabel*>("lblPlanFile")->text(); }

    void trigger(const char* action) { m_tab->findChild<QAction*>(action)->trigger(); }

    // A key as the keyboard sends it: to whatever has the focus now.
    static void press(const QKeySequence& keys)
    {
        const QKeyCombination key = keys[0];
        QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
    }

private slots:
    void init()
    {
        m_services = {};
        m_tab = std::make_unique<ucPlanner>();
        m_bar = new PlanCommandBar(m_tab->document(), m_services, m_tab.get());
        m_tab->setCommandRow(m_bar);
        m_tab->show();
        QVERIFY(QTest::qWaitForWindowActive(m_tab.get()));
    }

    void cleanup() { m_tab.reset(); }

    void savedPlanOpensAsItWas_data()
    {
        QTest::addColumn<Edit>("make");
        QTest::newRow("IPv4 needs with awkward names") << Edit(AwkwardPlan);
        QTest::newRow("two-host links") << Edit([](PlanDocument& document) {
            document.setParentText("172.16.0.0 255.255.255.0");
            document.setRfc3021(true);
            document.insertNeeds(0, {Need("p2p", 2), Need("loopback", 1), Need("", 0)});
        });
    }

    void savedPlanOpensAsItWas()
    {
        QFETCH(Edit, make);
        make(document());
        const net::Plan plan = document().plan();
        const QString before = tables();
        QVERIFY(fileLabel().contains("unsaved"));

        m_services.chosenFiles = {path("saved")};
        trigger("actSavePlanAs");
        QCOMPARE(fileLabel(), "saved.ferolplan");
        trigger("actNewPlan");
        QVERIFY(document().plan() != plan);

        m_services.chosenFiles = {path("saved.ferolplan")};
        trigger("actOpenPlan");
        QVERIFY2(m_services.messages.isEmpty(), qPrintable(m_services.messages.value(0).text));
        QVERIFY(document().plan() == plan);
        QCOMPARE(tables(), before);
        // The parent reads back as the network it is, in its usual form.
        QCOMPARE(m_tab->findChild<QLineEdit*>("txtParent")->text(),
                 QString::fromStdString(plan.parent.toString()));
        QCOMPARE(fileLabel(), "saved.ferolplan");
        QCOMPARE(m_bar->recentPlans().value(0), path("saved.ferolplan"));
    }

    void badFilesLeaveThePlanAsItWas_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("said");
        const QByteArray good = SavedText(AwkwardPlan);
        QTest::newRow("a picture") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << "byte 1";
        QByteArray newer = good;
        QTest::newRow("newer format")
            << newer.replace("\"format\": 1", "\"format\": 7") << "newer version";
    }

    void badFilesLeaveThePlanAsItWas()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, said);
        QFile file(path("bad.ferolplan"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(contents);
        file.close();
        AwkwardPlan(document());
        const QString before = shown();

        QVERIFY(!m_bar->open(path("bad.ferolplan")));
        QCOMPARE(shown(), before);
        QCOMPARE(m_services.messages.size(), 1);
        const QString message = m_services.messages.constFirst().text;
        QVERIFY2(message.contains(path("bad.ferolplan")) && message.contains(said),
                 qPrintable(message));
    }

    void savesThatFailLoseNothing_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QString>("said");
        QTest::newRow("folder is a file") << "a file/plan.ferolplan"
                                          << "192.168.1.0/24"
                                          << "could not be saved to";
        QTest::newRow("parent not a network") << "plan.ferolplan"
                                              << "192.168.1.300/24"
                                              << "'192.168.1.300/24' is not a network yet";
    }

    void savesThatFailLoseNothing()
    {
        QFETCH(QString, target);
        QFETCH(QString, parent);
        QFETCH(QString, said);
        QFile file(path("a file"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        AwkwardPlan(document());
        document().setParentText(parent);
        const QString before = shown();

        m_services.chosenFiles = {path(target)};
        trigger("actSavePlan");
        QCOMPARE(shown(), before);
        QVERIFY(m_bar->hasUnsavedChanges());
        QVERIFY(m_bar->filePath().isEmpty());
        QVERIFY(!QFile::exists(path(target)));
        QVERIFY2(m_services.messages.value(0).text.contains(said),
                 qPrintable(m_services.messages.value(0).text));
    }

    // The tab's undo and redo keys walk the history (each edit one step, as the logic test
    // checks over random edits), and the unsaved mark is off exactly at the saved step.
    void undoAndRedoKeysAndTheSavedMark()
    {
        document().setParentText("10.0.0.0/24");
        document().insertNeeds(0, {Need("Sales", 50)});
        m_services.chosenFiles = {path("steps.ferolplan")};
        QVERIFY(m_bar->save());
        document().setMode(net::PlanMode::SplitByCount);
        // The keys go to a control that leaves them to the tab: the answer table.
        m_tab->findChild<QTableView*>("tblAnswer")->setFocus();
        const auto after = [this](const QKeySequence& keys) {
            press(keys);
            return QString("%1 needs, %2").arg(document().plan().needs.size()).arg(fileLabel());
        };
        const QKeySequence undo(Qt::CTRL | Qt::Key_Z);
        QCOMPARE(after(undo), "1 needs, steps.ferolplan");
        QCOMPARE(document().plan().mode, net::PlanMode::Vlsm);
        QVERIFY(after(undo).startsWith("0 needs, steps.ferolplan (unsaved"));
        QCOMPARE(after(QKeySequence(Qt::CTRL | Qt::Key_Y)), "1 needs, steps.ferolplan");
        QVERIFY(after(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)).contains("unsaved"));
        QCOMPARE(document().plan().mode, net::PlanMode::SplitByCount);
    }

    void exportedCsvReadsBackAsTheAnswer()
    {
        AwkwardPlan(document());
        m_services.chosenFiles = {path("answer")};
        trigger("actExportCsv");
        QVERIFY2(m_services.messages.isEmpty(), qPrintable(m_services.messages.value(0).text));
        QFile csv(path("answer.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));

        const auto* answer = m_tab->findChild<QTableView*>("tblAnswer")->model();
        QList<QStringList> expected{{}};
        for (int column = 0; column < answer->columnCount(); ++column)
            expected[0] << answer->headerData(column, Qt::Horizontal).toString();
        for (int row = 0; row < answer->rowCount(); ++row) {
            expected << QStringList();
            for (int column = 0; column < answer->columnCount(); ++column)
                expected.last() << answer->index(row, column).data().toString();
        }
        QVERIFY(expected.size() > 3 && expected[1].join(' ').contains("Sales, Berlin"));
        QCOMPARE(ReadCsvByPython(csv.readAll()), expected);
    }

    // The Open button's menu lists the plans opened or saved last, newest first; one that
    // has gone says so and leaves the list.
    void recentPlansOpenFromTheOpenMenu()
    {
        for (const char* parent : {"10.1.0.0/16", "10.2.0.0/16", "10.3.0.0/16"}) {
            document().setParentText(parent);
            m_services.chosenFiles = {path(QString(parent).section('.', 1, 1))};
            QVERIFY(m_bar->saveAs());
        }
        QVERIFY(QFile::remove(path("3.ferolplan")));
        auto* menu = m_tab->findChild<QMenu*>("mnuRecentPlans");
        const auto items = [menu] {
            emit menu->aboutToShow();
            QStringList texts;
            for (const QAction* item : menu->actions())
                texts << item->text();
            return texts;
        };
        QCOMPARE(items(), (QStringList{"&1 3.ferolplan", "&2 2.ferolplan", "&3 1.ferolplan"}));

        menu->actions().at(2)->trigger();
        QCOMPARE(document().parentText(), "10.1.0.0/16");
        QCOMPARE(items(), (QStringList{"&1 1.ferolplan", "&2 3.ferolplan", "&3 2.ferolplan"}));
        menu->actions().at(1)->trigger();
        QCOMPARE(document().parentText(), "10.1.0.0/16");
        QVERIFY(m_services.messages.value(0).text.contains("3.ferolplan"));
        QCOMPARE(items(), (QStringList{"&1 1.ferolplan", "&2 2.ferolplan"}));
    }

    // Whether a plan opens over unsaved work is the answer to one question; what each
    // answer does, saving included, the window's closing test goes through.
    void unsavedWorkAskedAboutFirst_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<bool>("opened");
        QTest::newRow("cancel") << int(ShellServices::SaveChoice::Cancel) << false;
        QTest::newRow("discard") << int(ShellServices::SaveChoice::Discard) << true;
    }

    void unsavedWorkAskedAboutFirst()
    {
        QFETCH(int, choice);
        QFETCH(bool, opened);
        {
            QFile file(path("other.ferolplan"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(SavedText([](PlanDocument& d) { d.setParentText("10.9.0.0/16"); }));
        }
        AwkwardPlan(document());
        const QString before = shown();
        m_services.saveChoice = ShellServices::SaveChoice(choice);

        QCOMPARE(m_bar->open(path("other.ferolplan")), opened);
        QCOMPARE(m_services.questions.size(), 1);
        QCOMPARE(document().parentText() == "10.9.0.0/16", opened);
        if (!opened)
            QCOMPARE(shown(), before);
    }
};

QTEST_MAIN(TestPlanCommands)
#include "tst_plan_commands.moc"
