#include "subnet/engine.h"
#include "support/testregistry.h"

#include <QRandomGenerator>
#include <QTest>

#include <cstdint>

namespace {

// Inputs as the panel would hand them over for a dotted host; an empty octet stays empty.
SubnetInputs Inputs(const QString& host, int maskBits, int addrClass, bool rfc3021 = false)
{
    SubnetInputs in;
    in.maskBits = maskBits;
    in.addrClass = addrClass;
    in.rfc3021 = rfc3021;
    const QStringList octets = host.split(QLatin1Char('.'));
    for (int k = 0; k < 4; ++k) {
        const QString octet = octets.value(k);
        in.octetEntered[k] = !octet.isEmpty();
        in.hostBin[k] =
            octet.isEmpty() ? QString() : QString::number(octet.toInt(), 2).rightJustified(8, '0');
    }
    return in;
}

QString Dotted(std::uint32_t address)
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg(address >> 24)
        .arg((address >> 16) & 0xFF)
        .arg((address >> 8) & 0xFF)
        .arg(address & 0xFF);
}

} // namespace

class TestSubnetEngine : public QObject
{
    Q_OBJECT

private slots:
    void workedCases_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("bits");
        QTest::addColumn<int>("cls");
        QTest::addColumn<bool>("rfc3021");
        QTest::addColumn<QStringList>("counts"); // subnet bits, max subnets, max hosts, host bits
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("network");
        QTest::addColumn<QString>("broadcast");
        QTest::addColumn<QString>("range");

        QTest::newRow("/26 in class C") << "192.168.1.130" << 26 << 3 << false
                                        << QStringList{"2", "4", "62", "6"} << "Subnetting"
                                        << "192.168.1.128"
                                        << "192.168.1.191"
                                        << "192.168.1.129 to 192.168.1.190";
        QTest::newRow("subnet zero in class A")
            << "10.0.0.1" << 16 << 1 << false << QStringList{"8", "256", "65534", "16"}
            << "Warning! Subnet - All 0's"
            << "10.0.0.0"
            << "10.0.255.255"
            << "10.0.0.1 to 10.0.255.254";
        QTest::newRow("all-ones subnet in class B")
            << "172.16.255.1" << 24 << 2 << false << QStringList{"8", "256", "254", "8"}
            << "Invalid Subnet - All 1's"
            << "172.16.255.0"
            << "172.16.255.255"
            << "172.16.255.1 to 172.16.255.254";
        QTest::newRow("supernet blanks the counts")
            << "192.168.17.5" << 20 << 3 << false << QStringList{"", "", "", ""} << "Supernetting"
            << "192.168.16.0"
            << "192.168.31.255"
            << "192.168.16.1 to 192.168.31.254";
        QTest::newRow("classful mask ignores an empty box")
            << "192.168.1." << 24 << 3 << false << QStringList{"0", "1", "254", "8"} << "Subnetting"
            << "192.168.1.0"
            << "192.168.1.255"
            << "192.168.1.1 to 192.168.1.254";
        QTest::newRow("fresh panel")
            << "..." << 16 << 1 << false << QStringList{"8", "256", "65534", "16"}
            << "Enter Complete Host Address"
            << "0.0.0.0"
            << "0.0.255.255"
            << "0.0.0.1 to 0.0.255.254";
        QTest::newRow("/31 without the option")
            << "10.1.0.1" << 31 << 1 << false << QStringList{"23", "8388608", "0", "1"}
            << "Mask too long, no hosts."
            << "10.1.0.0"
            << "10.1.0.1"
            << "10.1.0.0 to 10.1.0.1";
        QTest::newRow("/31 with the option")
            << "10.1.0.0" << 31 << 1 << true << QStringList{"23", "8388608", "2", "1"}
            << "Subnetting as per RFC3021."
            << "10.1.0.0"
            << "10.1.0.1"
            << "10.1.0.0 to 10.1.0.1";
        QTest::newRow("/32 with the option")
            << "10.1.0.4" << 32 << 1 << true << QStringList{"24", "16777216", "0", "0"}
            << "Mask too long, no hosts."
            << "10.1.0.4"
            << "10.1.0.4"
            << "10.1.0.4 to 10.1.0.4";
        QTest::newRow("one-bit subnet field is uniform")
            << "192.168.1.200" << 25 << 3 << false << QStringList{"1", "2", "126", "7"}
            << "Invalid Subnet - All 1's"
            << "192.168.1.128"
            << "192.168.1.255"
            << "192.168.1.129 to 192.168.1.254";
        QTest::newRow("empty box outranks the field check")
            << "10.0..1" << 16 << 1 << false << QStringList{"8", "256", "65534", "16"}
            << "Enter Complete Host Address"
            << "10.0.0.0"
            << "10.0.255.255"
            << "10.0.0.1 to 10.0.255.254";
        QTest::newRow("largest host count")
            << "10.1.2.3" << 8 << 1 << false << QStringList{"0", "1", "16777214", "24"}
            << "Subnetting"
            << "10.0.0.0"
            << "10.255.255.255"
            << "10.0.0.1 to 10.255.255.254";
    }
    void workedCases()
    {
        QFETCH(QString, host);
        QFETCH(int, bits);
        QFETCH(int, cls);
        QFETCH(bool, rfc3021);
        QFETCH(QStringList, counts);
        QFETCH(QString, status);
        QFETCH(QString, network);
        QFETCH(QString, broadcast);
        QFETCH(QString, range);
        const SubnetResult r = CalculateSubnet(Inputs(host, bits, cls, rfc3021));
        QCOMPARE((QStringList{r.subnetBits, r.maxSubnets, r.maxHosts, r.hostBits}), counts);
        QCOMPARE(r.status, status);
        QCOMPARE(r.network, network);
        QCOMPARE(r.broadcast, broadcast);
        QCOMPARE(r.hostRange, range);
        QCOMPARE(r.maskBitsCaption, QLatin1Char(' ') + QString::number(bits));
    }

    void worksheetRows()
    {
        const SubnetResult r = CalculateSubnet(Inputs(QStringLiteral("192.168.1.130"), 26, 3));
        QCOMPARE(r.subnetMask, QStringLiteral("255.255.255.192"));
        QCOMPARE(r.maskBin,
                 (std::array<QString, 4>{"11111111", "11111111", "11111111", "11000000"}));
        QCOMPARE(r.networkBin[3], QStringLiteral("10000000"));
        QCOMPARE(r.broadcastBin[3], QStringLiteral("10111111"));
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
                const SubnetResult r = CalculateSubnet(Inputs(Dotted(address), m, 1));
                QCOMPARE(r.network, Dotted(network));
                QCOMPARE(r.broadcast, Dotted(broadcast));
                const QString range = m >= 31
                                          ? Dotted(network) + " to " + Dotted(broadcast)
                                          : Dotted(network + 1) + " to " + Dotted(broadcast - 1);
                QCOMPARE(r.hostRange, range);
                const qint64 hosts = m >= 31 ? 0 : (qint64(1) << (32 - m)) - 2;
                QCOMPARE(r.maxHosts, m < 8 ? QString() : QString::number(hosts));
            }
        }
    }
};

FEROL_REGISTER_TEST(TestSubnetEngine)
#include "tst_engine.moc"
