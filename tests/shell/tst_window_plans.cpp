// The main window with the planner's files: a plan handed to the program opens on the
// planner tab, closing with unsaved work asks about it before the design's exit question,
// the tab's shortcuts act only while it is shown, and what the window keeps between runs
// comes back.

#include "shell/frmwelcome2.h"

#include "net/plan_file.h"
#include "planner/plan_document.h"
#include "planner/ucplanner.h"
#include "testing/recordingshellservices.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class TestWindowPlans : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    RecordingShellServices m_services;
    std::unique_ptr<frmWelcome2> m_window;

    ucPlanner* planner() { return m_window->findChild<ucPlanner*>("ucPlanner1"); }
    PlanDocument& document() { return planner()->document(); }
    QTabWidget* tabs() { return m_window->findChild<QTabWidget*>("TabStrip1"); }

    QString savedPlan(const QString& name, const char* parent)
    {
        net::Plan plan;
        plan.parent = *net::IpNetwork::parse(parent);
        plan.needs = {{"Sales", net::NeedSize::count(50)}};
        QFile file(m_dir.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(
                QByteArray::fromStdString(net::PlanFileText(plan, net::PlanAddresses(plan))));
        return file.fileName();
    }

private slots:
    void init()
    {
        m_services = {};
        m_window = std::make_unique<frmWelcome2>(m_services);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }

    void cleanup() { m_window.reset(); }

    void planHandedOverOpensOnThePlannerTab_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QString>("said");
        QTest::newRow("a plan") << QByteArray() << "10.1.0.0/16"
                                << "";
        QTest::newRow("not a plan") << QByteArray("{\"format\": 1") << ""
                                    << "was not opened";
    }

    void planHandedOverOpensOnThePlannerTab()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, parent);
        QFETCH(QString, said);
        QString path = savedPlan("given.ferolplan", "10.1.0.0/16");
        if (!contents.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(contents);
        }
        QCOMPARE(m_window->openPlan(path), said.isEmpty());
        QCOMPARE(m_window->CurrentTabKey(), "Planner");
        QCOMPARE(document().parentText(), parent);
        QCOMPARE(m_services.messages.value(0).text.contains(said), true);
        QCOMPARE(planner()->findChild<QLabel*>("lblPlanFile")->text(),
                 said.isEmpty() ? "given.ferolplan" : "Untitled plan");
    }

    void closingAsksAboutAnUnsavedPlanFirst_data()
    {
        QTest::addColumn<bool>("edited");
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<bool>("closed");
        const int save = int(ShellServices::SaveChoice::Save);
        const int discard = int(ShellServices::SaveChoice::Discard);
        const int cancel = int(ShellServices::SaveChoice::Cancel);
        QTest::newRow("nothing unsaved")
            << false << cancel << "" << true << QStringList{"Exit?"} << true;
        QTest::newRow("cancel") << true << cancel << "" << true << QStringList{"Planner"} << false;
        QTest::newRow("discard, then no")
            << true << discard << "" << false << QStringList{"Planner", "Exit?"} << false;
        QTest::newRow("save, then yes")
            << true << save << "kept.ferolplan" << true << QStringList{"Planner", "Exit?"} << true;
        QTest::newRow("save, chooser cancelled")
            << true << save << "" << true << QStringList{"Planner"} << false;
    }

    void closingAsksAboutAnUnsavedPlanFirst()
    {
        QFETCH(bool, edited);
        QFETCH(int, choice);
        QFETCH(QString, chosen);
        QFETCH(bool, yes);
        QFETCH(QStringList, asked);
        QFETCH(bool, closed);
        if (edited)
            document().setParentText("10.0.0.0/8");
        m_services.saveChoice = ShellServices::SaveChoice(choice);
        m_services.yesAnswer = yes;
        m_services.chosenFiles = {chosen.isEmpty() ? chosen : m_dir.filePath(chosen)};

        QCOMPARE(m_window->close(), closed);
        QStringList titles;
        for (const RecordedMessage& question : m_services.questions)
            titles << question.title;
        QCOMPARE(titles, asked);
        QCOMPARE(document().parentText(), edited ? "10.0.0.0/8" : "");
        if (!chosen.isEmpty())
            QVERIFY(QFile::exists(m_dir.filePath(chosen)));
    }

    // Undo and redo, bound to the tab the same way, are pressed in the planner's own test.
    void shortcutsActOnlyWhileThePlannerIsShown_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("action");
        QTest::newRow("Ctrl+O") << QKeySequence(Qt::CTRL | Qt::Key_O) << "actOpenPlan";
        QTest::newRow("Ctrl+Shift+S")
            << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S) << "actSavePlanAs";
    }

    void shortcutsActOnlyWhileThePlannerIsShown()
    {
        QFETCH(QKeySequence, keys);
        QFETCH(QString, action);
        QSignalSpy triggered(planner()->findChild<QAction*>(action), &QAction::triggered);
        const auto press = [&keys] {
            QTest::keyClick(QApplication::focusWidget(), keys[0].key(),
                            keys[0].keyboardModifiers());
        };

        tabs()->setCurrentWidget(planner());
        press();
        QCOMPARE(triggered.size(), 1);
        tabs()->setCurrentIndex(0);
        tabs()->setFocus();
        press();
        QCOMPARE(triggered.size(), 1);
    }

    void keptSettingsComeBack()
    {
        RememberedState state;
        state.tabKey = "DecimalIpCalc";
        state.rfc3021 = true;
        state.recentPlans = {"/plans/b.ferolplan", "/plans/a.ferolplan"};
        // A place on a screen that is gone.
        state.geometry = QRect(9000, 9000, 700, 650);
        frmWelcome2 window(m_services);
        window.restore(state);
        const RememberedState kept = window.rememberedState();
        QCOMPARE(kept.tabKey, state.tabKey);
        QCOMPARE(kept.rfc3021, true);
        QCOMPARE(kept.recentPlans, state.recentPlans);
        QVERIFY(window.findChild<QCheckBox*>("chk_31bit")->isChecked());
        QVERIFY(kept.geometry->intersects(QGuiApplication::primaryScreen()->availableGeometry()));
    }
};

QTEST_MAIN(TestWindowPlans)
#include "tst_window_plans.moc"
