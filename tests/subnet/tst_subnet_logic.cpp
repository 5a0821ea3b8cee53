#include "subnet/engine.h"
#include "subnet/report.h"
#include "support/dotted.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

// Inputs as the panel hands them over for a whole address of class A.
SubnetInputs Inputs(quint32 address, int maskBits)
{
    SubnetInputs in;
    in.maskBits = maskBits;
    in.octetEntered = {true, true, true, true};
    for (int k = 0; k < 4; ++k)
        in.hostBin[k] = QString::number(address >> (24 - 8 * k) & 255, 2).rightJustified(8, '0');
    return in;
}

} // namespace

class TestSubnetLogic : public QObject
{
    Q_OBJECT

private slots:
    // Network, host range, broadcast and host count against plain 32-bit arithmetic.
    void agreesWithIntegerArithmetic()
    {
        QRandomGenerator random(20261206);
        for (int round = 0; round < 2000; ++round) {
            const quint32 address = random.generate();
            for (int m = 1; m <= 32; ++m) {
                const quint32 network = address & MaskOf(m);
                const quint32 broadcast = network | ~MaskOf(m);
                const bool tiny = m >= 31;
                const SubnetResult r = CalculateSubnet(Inputs(address, m));
                QCOMPARE(r.network, Dotted(network));
                QCOMPARE(r.broadcast, Dotted(broadcast));
                QCOMPARE(r.hostFirst, tiny ? QString() : Dotted(network + 1));
                QCOMPARE(r.hostLast, tiny ? QString() : Dotted(broadcast - 1));
                QCOMPARE(r.maxHosts, m < 8
                                         ? QString()
                                         : QString::number(tiny ? 0 : (qint64(1) << (32 - m)) - 2));
            }
        }
    }

    // Long texts are cut to their cells; a range under nine characters shortens its row.
    void reportLines()
    {
        QCOMPARE(SubnetReportHeader(), "Subnet" + QString(10, ' ') + ",   Valid Hosts" +
                                           QString(23, ' ') + ",   Broadcast" + QString(7, ' '));
        QCOMPARE(SubnetReportRow("255.255.255.255X", QString(40, 'h'), "1"),
                 "255.255.255.255X,   " + QString(34, 'h') + ",   1" + QString(15, ' '));
        QCOMPARE(SubnetReportRow("1.0.0.0", "1 to 2", "b").size(), 74 - 3);
    }
};

QTEST_GUILESS_MAIN(TestSubnetLogic)
#include "tst_subnet_logic.moc"
