#include "subnet/engine.h"

#include <QRandomGenerator>
#include <QTest>

#include <cstdint>

namespace {

// Inputs as the panel hands them over for "a.b.c.d/m"; an empty octet stays empty.
SubnetInputs Inputs(const QString& hostAndMask, int addrClass, bool rfc3021 = false)
{
    SubnetInputs in;
    const QStringList parts = hostAndMask.split(QLatin1Char('/'));
    in.maskBits = parts.value(1).toInt();
    in.addrClass = addrClass;
    in.rfc3021 = rfc3021;
    const QStringList octets = parts.value(0).split(QLatin1Char('.'));
    for (int k = 0; k < 4; ++k) {
        const QString octet = octets.value(k);
        in.octetEntered[k] = !octet.isEmpty();
        if (!octet.isEmpty())
            in.hostBin[k] = QString::number(octet.toInt(), 2).rightJustified(8, QLatin1Char('0'));
    }
    return in;
}

QString Dotted(std::uint32_t a)
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg(a >> 24)
        .arg((a >> 16) & 255)
        .arg((a >> 8) & 255)
        .arg(a & 255);
}

} // namespace

class TestSubnetEngine : public QObject
{
    Q_OBJECT

private slots:
    void workedCases_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("cls");
        QTest::addColumn<bool>("rfc3021");
        QTest::addColumn<QString>("counts"); // subnet bits, max subnets, max hosts, host bits
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("range"); // network, host range, broadcast
        const auto row = [](const char* host, int cls, bool rfc, const char* counts,
                            const char* status, const char* range) {
            QTest::newRow(host) << QString(host) << cls << rfc << QString(counts) << QString(status)
                                << QString(range);
        };
        row("192.168.1.130/26", 3, false, "2 4 62 6", "Subnetting",
            "192.168.1.128 | 192.168.1.129 to 192.168.1.190 | 192.168.1.191");
        row("10.0.0.1/16", 1, false, "8 256 65534 16", "Warning! Subnet - All 0's",
            "10.0.0.0 | 10.0.0.1 to 10.0.255.254 | 10.0.255.255");
        row("172.16.255.1/24", 2, false, "8 256 254 8", "Invalid Subnet - All 1's",
            "172.16.255.0 | 172.16.255.1 to 172.16.255.254 | 172.16.255.255");
        row("192.168.17.5/20", 3, false, "   ", "Supernetting",
            "192.168.16.0 | 192.168.16.1 to 192.168.31.254 | 192.168.31.255");
        row("192.168.1./24", 3, false, "0 1 254 8", "Subnetting",
            "192.168.1.0 | 192.168.1.1 to 192.168.1.254 | 192.168.1.255");
        row("10.1.0.1/31", 1, false, "23 8388608 0 1", "Mask too long, no hosts.",
            "10.1.0.0 | 10.1.0.0 to 10.1.0.1 | 10.1.0.1");
        row("10.1.0.0/31", 1, true, "23 8388608 2 1", "Subnetting as per RFC3021.",
            "10.1.0.0 | 10.1.0.0 to 10.1.0.1 | 10.1.0.1");
        row("10.1.0.4/32", 1, true, "24 16777216 0 0", "Mask too long, no hosts.",
            "10.1.0.4 | 10.1.0.4 to 10.1.0.4 | 10.1.0.4");
        row("10.1.2.3/8", 1, false, "0 1 16777214 24", "Subnetting",
            "10.0.0.0 | 10.0.0.1 to 10.255.255.254 | 10.255.255.255");
    }
    void workedCases()
    {
        QFETCH(QString, host);
        QFETCH(int, cls);
        QFETCH(bool, rfc3021);
        QFETCH(QString, counts);
        QFETCH(QString, status);
        QFETCH(QString, range);
        const SubnetResult r = CalculateSubnet(Inputs(host, cls, rfc3021));
        QCOMPARE(QStringList({r.subnetBits, r.maxSubnets, r.maxHosts, r.hostBits}).join(' '),
                 counts);
        QCOMPARE(r.status, status);
        QCOMPARE(r.network + " | " + r.hostRange + " | " + r.broadcast, range);
        QCOMPARE(r.maskBitsCaption, ' ' + host.section('/', 1));
    }

    // Network, broadcast, range and host count against plain 32-bit arithmetic.
    void agreesWithIntegerArithmetic()
    {
        QRandomGenerator random(20261206);
        for (int round = 0; round < 2000; ++round) {
            const std::uint32_t address = random.generate();
            for (int m = 1; m <= 32; ++m) {
                const std::uint32_t mask = m == 32 ? 0xFFFFFFFFu : ~(0xFFFFFFFFu >> m);
                const std::uint32_t network = address & mask;
                const std::uint32_t broadcast = network | ~mask;
                const SubnetResult r =
                    CalculateSubnet(Inputs(Dotted(address) + '/' + QString::number(m), 1));
                QCOMPARE(r.network, Dotted(network));
                QCOMPARE(r.broadcast, Dotted(broadcast));
                const bool tiny = m >= 31;
                QCOMPARE(r.hostRange, Dotted(tiny ? network : network + 1) + " to " +
                                          Dotted(tiny ? broadcast : broadcast - 1));
                const qint64 hosts = tiny ? 0 : (qint64(1) << (32 - m)) - 2;
                QCOMPARE(r.maxHosts, m < 8 ? QString() : QString::number(hosts));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestSubnetEngine)
#include "tst_engine.moc"
