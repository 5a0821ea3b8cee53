#include "subnet/stepping.h"
#include "support/testregistry.h"

#include <QTest>

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
    // "to" is the address after the writes, "-" when nothing may be written.
    void plans_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("bits");
        QTest::addColumn<bool>("forward");
        QTest::addColumn<QString>("to");
        QTest::addColumn<int>("writes");
        const auto row = [](const char* name, const char* from, int bits, bool forward,
                            const char* to, int writes) {
            QTest::newRow(name) << QString(from) << bits << forward << QString(to) << writes;
        };
        row("/24 keeps the host octet", "192.168.1.77", 24, true, "192.168.2.77", 1);
        row("/26 forward", "192.168.1.77", 26, true, "192.168.1.141", 1);
        row("/26 back", "192.168.1.77", 26, false, "192.168.1.13", 1);
        row("/26 carry", "192.168.1.200", 26, true, "192.168.2.0", 2);
        row("/26 borrow", "192.168.1.30", 26, false, "192.168.0.192", 2);
        row("/16 carries into the first octet", "10.255.255.1", 16, true, "11.0.255.1", 2);
        row("/1 steps by 128", "10.0.0.0", 1, true, "138.0.0.0", 1);
        row("/31 steps by 2", "10.0.0.4", 31, true, "10.0.0.6", 1);
        row("/32 has no neighbour", "10.0.0.4", 32, true, "-", 0);
        row("past the last /24", "255.255.255.0", 24, true, "-", 0);
        row("past the last /4", "240.0.0.0", 4, true, "-", 0);
        row("before the first /24", "0.0.0.0", 24, false, "-", 0);
        row("onto the first /24", "0.0.1.0", 24, false, "0.0.0.0", 1);
    }
    void plans()
    {
        QFETCH(QString, from);
        QFETCH(int, bits);
        QFETCH(bool, forward);
        QFETCH(QString, to);
        QFETCH(int, writes);
        const auto direction = forward ? StepDirection::Forward : StepDirection::Backward;
        const SubnetStep step = PlanSubnetStep(Octets(from), bits, direction);
        QCOMPARE(step.writes.size(), writes);
        QCOMPARE(step.outcome == SubnetStep::Outcome::Step, to != "-");
        std::array<QString, 4> octets = Octets(from);
        for (const OctetWrite& write : step.writes)
            octets[write.index] = write.text;
        if (to != "-")
            QCOMPARE(QStringList(octets.begin(), octets.end()).join('.'), to);
    }
};

FEROL_REGISTER_TEST(TestStepping)
#include "tst_stepping.moc"
