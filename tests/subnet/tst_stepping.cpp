#include "subnet/stepping.h"
#include "support/testregistry.h"

#include <QTest>

Q_DECLARE_METATYPE(StepDirection)
Q_DECLARE_METATYPE(SubnetStep::Outcome)

namespace {

std::array<QString, 4> Octets(const QString& dotted)
{
    const QStringList parts = dotted.split(QLatin1Char('.'));
    return {parts.value(0), parts.value(1), parts.value(2), parts.value(3)};
}

} // namespace

class TestStepping : public QObject
{
    Q_OBJECT

private slots:
    void plans_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("bits");
        QTest::addColumn<StepDirection>("direction");
        QTest::addColumn<SubnetStep::Outcome>("outcome");
        QTest::addColumn<QString>("to");
        QTest::addColumn<int>("writes");
        const auto forward = StepDirection::Forward;
        const auto back = StepDirection::Backward;
        const auto step = SubnetStep::Outcome::Step;
        const auto end = SubnetStep::Outcome::EndOfSpace;
        const auto none = SubnetStep::Outcome::NoStep;
        QTest::newRow("/24 forward keeps the host octet")
            << "192.168.1.77" << 24 << forward << step << "192.168.2.77" << 1;
        QTest::newRow("/24 back") << "192.168.2.77" << 24 << back << step << "192.168.1.77" << 1;
        QTest::newRow("/26 forward")
            << "192.168.1.77" << 26 << forward << step << "192.168.1.141" << 1;
        QTest::newRow("/26 back") << "192.168.1.77" << 26 << back << step << "192.168.1.13" << 1;
        QTest::newRow("/26 carry")
            << "192.168.1.200" << 26 << forward << step << "192.168.2.0" << 2;
        QTest::newRow("/26 borrow") << "192.168.1.30" << 26 << back << step << "192.168.0.192" << 2;
        QTest::newRow("/16 carries into the first octet")
            << "10.255.255.1" << 16 << forward << step << "11.0.255.1" << 2;
        QTest::newRow("/8") << "10.0.0.0" << 8 << forward << step << "11.0.0.0" << 1;
        QTest::newRow("/1 steps by 128") << "10.0.0.0" << 1 << forward << step << "138.0.0.0" << 1;
        QTest::newRow("/31 steps by 2") << "10.0.0.4" << 31 << forward << step << "10.0.0.6" << 1;
        QTest::newRow("/32 has no neighbour") << "10.0.0.4" << 32 << forward << none << "" << 0;
        QTest::newRow("/0 has no neighbour") << "10.0.0.4" << 0 << back << none << "" << 0;
        QTest::newRow("past the last /24") << "255.255.255.0" << 24 << forward << end << "" << 0;
        QTest::newRow("past the last /4") << "240.0.0.0" << 4 << forward << end << "" << 0;
        QTest::newRow("before the first /24") << "0.0.0.0" << 24 << back << end << "" << 0;
        QTest::newRow("last /24 reachable")
            << "255.255.254.9" << 24 << forward << step << "255.255.255.9" << 1;
        QTest::newRow("first /24 reachable") << "0.0.1.0" << 24 << back << step << "0.0.0.0" << 1;
    }
    void plans()
    {
        QFETCH(QString, from);
        QFETCH(int, bits);
        QFETCH(StepDirection, direction);
        QFETCH(SubnetStep::Outcome, outcome);
        QFETCH(QString, to);
        QFETCH(int, writes);
        const SubnetStep step = PlanSubnetStep(Octets(from), bits, direction);
        QCOMPARE(step.outcome, outcome);
        QCOMPARE(step.writes.size(), writes);
        if (outcome != SubnetStep::Outcome::Step)
            return;
        std::array<QString, 4> octets = Octets(from);
        for (const OctetWrite& write : step.writes)
            octets[write.index] = write.text;
        QCOMPARE(QStringList(octets.begin(), octets.end()).join(QLatin1Char('.')), to);
    }

    void carryWritesRightToLeft()
    {
        const SubnetStep step = PlanSubnetStep(Octets("10.255.255.1"), 16, StepDirection::Forward);
        QCOMPARE(step.writes, (QList<OctetWrite>{{1, "0"}, {0, "11"}}));
    }

    void messages_data()
    {
        QTest::addColumn<StepDirection>("direction");
        QTest::addColumn<QString>("address");
        QTest::addColumn<int>("empty");
        QTest::addColumn<QString>("message");
        const auto forward = StepDirection::Forward;
        const auto back = StepDirection::Backward;
        QTest::newRow("forward, box 0")
            << forward << ".1.1.1" << 0 << " You must enter the IP Address";
        QTest::newRow("forward, box 1")
            << forward << "1..1.1" << 1 << " You must enter the IP Address";
        QTest::newRow("forward, box 3")
            << forward << "1.1.1." << 3 << "You must enter the IP Address";
        QTest::newRow("back, box 1") << back << "1..1.1" << 1 << "You must enter the IP Address";
        QTest::newRow("back, box 3") << back << "1.1.1." << 3 << " You must enter the IP Address";
        QTest::newRow("leftmost of two") << back << "1..1." << 1 << "You must enter the IP Address";
        QTest::newRow("0 counts as text") << forward << "0.0.0.0" << -1 << "";
    }
    void messages()
    {
        QFETCH(StepDirection, direction);
        QFETCH(QString, address);
        QFETCH(int, empty);
        QFETCH(QString, message);
        QCOMPARE(FirstEmptyOctet(Octets(address)), empty);
        if (empty >= 0)
            QCOMPARE(IncompleteAddressMessage(direction, empty), message);
    }
};

FEROL_REGISTER_TEST(TestStepping)
#include "tst_stepping.moc"
