// Variable-length subnetting over random needs, judged by plain 64-bit arithmetic written
// here: every need fits its network and the next smaller one would not hold it, the
// networks lie inside the parent in address order without overlap, the unused networks
// fill the rest exactly, and a plan is refused exactly when the rounded sizes add up to
// more than the parent, by the number of addresses missing.

#include "net/vlsm.h"

#include <QRandomGenerator>
#include <QTest>

#include <numeric>

using net::Ipv4Address;
using net::Ipv4Network;
using net::PlanVlsm;

namespace {

// Usable hosts of a network of `length` bits.
std::uint64_t Usable(int length, bool rfc3021)
{
    if (length >= 31)
        return rfc3021 ? std::uint64_t{1} << (32 - length) : 0;
    return (std::uint64_t{1} << (32 - length)) - 2;
}

// The longest length whose usable hosts hold `need`, by trying every length; 33 for none.
int FittingLength(std::uint32_t need, bool rfc3021)
{
    for (int length = 32; length >= 0; --length) {
        if (Usable(length, rfc3021) >= need)
            return length;
    }
    return 33;
}

std::uint64_t First(const Ipv4Network& n)
{
    return n.address().value();
}

std::uint64_t End(const Ipv4Network& n)
{
    return std::uint64_t{n.broadcast().value()} + 1;
}

} // namespace

class TestVlsm : public QObject
{
    Q_OBJECT

private slots:
    void randomNeeds()
    {
        auto* random = QRandomGenerator::global();
        int refused = 0;
        for (int round = 0; round < 20000; ++round) {
            const int parentLength = random->bounded(33);
            const Ipv4Network parent =
                Ipv4Network::containing(Ipv4Address(random->generate()), parentLength);
            const bool rfc3021 = random->bounded(2) == 1;
            std::vector<std::uint32_t> needs(std::size_t(1 + random->bounded(8)));
            const int scale = 1 + random->bounded(std::min(31, 32 - parentLength + 2));
            for (std::uint32_t& need : needs)
                need = 1 + random->bounded(std::uint32_t{1} << (scale - 1));

            std::uint64_t total = 0;
            for (const std::uint32_t need : needs)
                total += FittingLength(need, rfc3021) > 32
                             ? std::uint64_t{1} << 33
                             : std::uint64_t{1} << (32 - FittingLength(need, rfc3021));
            const std::uint64_t size = std::uint64_t{1} << (32 - parentLength);
            const auto plan = PlanVlsm(parent, needs, rfc3021);
            QCOMPARE(plan.fits(), total <= size);
            if (!plan.fits()) {
                ++refused;
                QCOMPARE(plan.missingAddresses, total - size);
                QVERIFY(plan.allocations.empty());
                continue;
            }

            QCOMPARE(plan.allocations.size(), needs.size());
            std::vector<std::uint32_t> given;
            std::uint64_t expectedFirst = First(parent);
            for (const auto& allocation : plan.allocations) {
                given.push_back(allocation.hosts);
                QCOMPARE(allocation.network.prefixLength(),
                         FittingLength(allocation.hosts, rfc3021));
                QVERIFY(parent.contains(allocation.network));
                QVERIFY(First(allocation.network) >= expectedFirst);
                expectedFirst = End(allocation.network);
            }
            for (const auto& unused : plan.unused) {
                QCOMPARE(First(unused), expectedFirst);
                expectedFirst = End(unused);
            }
            QCOMPARE(expectedFirst, End(parent));
            std::sort(given.begin(), given.end());
            std::sort(needs.begin(), needs.end());
            QCOMPARE(given, needs);
        }
        QVERIFY(refused > 1000 && refused < 19000);
    }

    void plans_data()
    {
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QList<std::uint32_t>>("needs");
        QTest::addColumn<bool>("rfc3021");
        QTest::addColumn<QStringList>("networks"); // in address order, then "free" ones
        QTest::newRow("four needs in a /24")
            << "192.168.1.0/24" << QList<std::uint32_t>{10, 50, 2, 25} << false
            << QStringList{"192.168.1.0/26 50",    "192.168.1.64/27 25",    "192.168.1.96/28 10",
                           "192.168.1.112/30 2",   "free 192.168.1.116/30", "free 192.168.1.120/29",
                           "free 192.168.1.128/25"};
        QTest::newRow("point to point under RFC 3021")
            << "10.0.0.0/29" << QList<std::uint32_t>{1, 2, 2} << true
            << QStringList{"10.0.0.0/31 2", "10.0.0.2/31 2", "10.0.0.4/32 1", "free 10.0.0.5/32",
                           "free 10.0.0.6/31"};
        QTest::newRow("a need of none takes one address")
            << "10.0.0.0/30" << QList<std::uint32_t>{0} << true
            << QStringList{"10.0.0.0/32 0", "free 10.0.0.1/32", "free 10.0.0.2/31"};
    }
    void plans()
    {
        QFETCH(QString, parent);
        QFETCH(QList<std::uint32_t>, needs);
        QFETCH(bool, rfc3021);
        QFETCH(QStringList, networks);
        const auto plan = PlanVlsm(Ipv4Network::parse(parent.toStdString()).value(),
                                   std::vector(needs.begin(), needs.end()), rfc3021);
        QStringList shown;
        for (const auto& allocation : plan.allocations)
            shown << QString::fromStdString(allocation.network.toString()) + ' ' +
                         QString::number(allocation.hosts);
        for (const auto& unused : plan.unused)
            shown << "free " + QString::fromStdString(unused.toString());
        QCOMPARE(shown, networks);
    }

    // A need above what any IPv4 network holds asks for a block of 2^33 addresses.
    void needBeyondAnyNetwork()
    {
        const std::vector<std::uint32_t> needs = {4294967295u};
        QCOMPARE(PlanVlsm(Ipv4Network::parse("0.0.0.0/0").value(), needs, false).missingAddresses,
                 4294967296u);
    }
};

QTEST_GUILESS_MAIN(TestVlsm)
#include "tst_vlsm.moc"
