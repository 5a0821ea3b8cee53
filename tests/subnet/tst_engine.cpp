#include "subnet/engine.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

// Inputs as the panel hands them over for "a.b.c.d/m"; an empty octet stays empty.
SubnetInputs Inputs(const QString& hostAndMask, int addrClass)
{
    SubnetInputs in;
    in.maskBits = hostAndMask.section('/', 1).toInt();
    in.addrClass = addrClass;
    const QStringList octets = hostAndMask.section('/', 0, 0).split('.');
    for (int k = 0; k < 4; ++k) {
        in.octetEntered[k] = !octets.value(k).isEmpty();
        if (in.octetEntered[k])
            in.hostBin[k] = QString::number(octets[k].toInt(), 2).rightJustified(8, '0');
    }
    return in;
}

QString Dotted(quint32 a)
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg(a >> 24)
        .arg(a >> 16 & 255)
        .arg(a >> 8 & 255)
        .arg(a & 255);
}

} // namespace

class TestSubnetEngine : public QObject
{
    Q_OBJECT

private slots:
    void countsAndStatus_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("cls");
        QTest::addColumn<QString>(
            "shown"); // subnet bits, max subnets, max hosts, host bits, status
        const auto row = [](const char* host, int cls, const char* shown) {
            QTest::newRow(host) << QString(host) << cls << QString(shown);
        };
        row("192.168.1.130/26", 3, "2 4 62 6 Subnetting");
        row("10.0.0.1/16", 1, "8 256 65534 16 Warning! Subnet - All 0's");
        row("172.16.255.1/24", 2, "8 256 254 8 Invalid Subnet - All 1's");
        row("192.168.17.5/20", 3, "    Supernetting");
        row("192.168.1./24", 3, "0 1 254 8 Subnetting");
    }
    void countsAndStatus()
    {
        QFETCH(QString, host);
        QFETCH(int, cls);
        QFETCH(QString, shown);
        const SubnetResult r = CalculateSubnet(Inputs(host, cls));
        QCOMPARE(
            QStringList({r.subnetBits, r.maxSubnets, r.maxHosts, r.hostBits, r.status}).join(' '),
            shown);
    }

    // Network, host range, broadcast and host count against plain 32-bit arithmetic.
    void agreesWithIntegerArithmetic()
    {
        QRandomGenerator random(20261206);
        for (int round = 0; round < 2000; ++round) {
            const quint32 address = random.generate();
            for (int m = 1; m <= 32; ++m) {
                const quint32 mask = m == 32 ? ~0u : ~(~0u >> m);
                const quint32 network = address & mask;
                const quint32 broadcast = network | ~mask;
                const bool tiny = m >= 31;
                const QString hosts = QString::number(tiny ? 0 : (qint64(1) << (32 - m)) - 2);
                const SubnetResult r =
                    CalculateSubnet(Inputs(Dotted(address) + '/' + QString::number(m), 1));
                QCOMPARE(r.network + ' ' + r.hostRange + ' ' + r.broadcast + ' ' + r.maxHosts,
                         Dotted(network) + ' ' + Dotted(tiny ? network : network + 1) + " to " +
                             Dotted(tiny ? broadcast : broadcast - 1) + ' ' + Dotted(broadcast) +
                             ' ' + (m < 8 ? QString() : hosts));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestSubnetEngine)
#include "tst_engine.moc"
