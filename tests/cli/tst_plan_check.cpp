// ferol-calc vlsm --plan FILE, run as a script runs it, on plan files the program's own
// writer made and on copies someone edited or damaged.

#include "net/plan_file.h"
#include "support/run_calc.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestPlanCheck : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    static QByteArray SavedPlan(const char* parent, const std::vector<std::uint64_t>& counts)
    {
        net::Plan plan;
        plan.parent = *net::IpNetwork::parse(parent);
        for (const std::uint64_t count : counts)
            plan.needs.push_back({"need " + std::to_string(count), net::NeedSize::count(count)});
        return QByteArray::fromStdString(net::PlanFileText(plan, net::PlanAddresses(plan)));
    }

private slots:
    void checksTheStoredAnswer_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said");
        const QByteArray lab = SavedPlan("192.168.1.0/24", {50, 10, 2});
        const QByteArray campus = SavedPlan("2001:db8::/48", {300, 20});
        QTest::newRow("as saved") << lab << "" << 0 << "192.168.1.64/28";
        QTest::newRow("IPv6 as saved") << campus << "" << 0 << "2001:db8::/55";
        QTest::newRow("as saved, JSON") << lab << "--json" << 0 << R"("network": "192.168.1.64")";
        QByteArray moved = lab;
        QTest::newRow("network moved by hand")
            << moved.replace(R"("192.168.1.64")", R"("192.168.1.96")") << "" << 1
            << "the stored answer is not the plan's: subnet 2: the file has 192.168.1.96/28";
        QTest::newRow("truncated") << lab.left(lab.size() / 2) << "" << 1 << ": line ";
        QTest::newRow("does not fit")
            << SavedPlan("10.0.0.0/24", {126, 126, 1}) << "" << 1 << "4 addresses missing";
        QTest::newRow("network beside it") << lab << "10.0.0.0/8 4" << 2 << "no NETWORK or SIZES";
    }

    void checksTheStoredAnswer()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, arguments);
        QFETCH(int, status);
        QFETCH(QString, said);
        const QString path = m_dir.filePath("plan.ferolplan");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(contents);
        file.close();

        const CalcAnswer answer =
            RunCalc(QStringList{"vlsm", "--plan", path} + arguments.split(' ', Qt::SkipEmptyParts));
        QCOMPARE(answer.status, status);
        QVERIFY2((status == 0 ? answer.out : answer.err).contains(said),
                 qPrintable(answer.out + answer.err));
        QVERIFY2((status == 0 ? answer.err : answer.out).isEmpty(),
                 qPrintable(answer.out + answer.err));
    }
};

QTEST_GUILESS_MAIN(TestPlanCheck)
#include "tst_plan_check.moc"
