// Address planning against an oracle written here: block sizes found by counting up
// powers of two on the compiler's 128-bit integers, then thousands of random plans in
// both families checked for what a plan must be (inside the parent, no overlap, each
// network the smallest that holds its need, largest first, free space exactly the rest
// and refusal exactly when the needs overrun), beside known plans worked by hand. Equal
// splits are compared with Python's ipaddress through ferol-calc (calc_vlsm_ipaddress).

#include "net/address_plan.h"
#include "support/oracle128.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <string>
#include <vector>

using namespace net;

Q_DECLARE_METATYPE(PlanMode)
Q_DECLARE_METATYPE(IpFamily)

namespace {

IpNetwork Network(const char* text)
{
    const auto network = IpNetwork::parse(text);
    if (!network)
        qFatal("bad network in test: %s", text);
    return *network;
}

// The host bits of the smallest network holding a count, by trying each size in turn.
int OracleHostBits(IpFamily family, std::uint64_t count, bool rfc3021)
{
    count = std::max<std::uint64_t>(count, 1);
    if (family == IpFamily::Ipv6) {
        int bits = 64;
        while ((Oracle{1} << (bits - 64)) < count)
            ++bits;
        return bits;
    }
    if (rfc3021 && count == 1)
        return 0;
    if (rfc3021 && count == 2)
        return 1;
    int bits = 0;
    while ((Oracle{1} << bits) < Oracle{count} + 2)
        ++bits;
    return bits;
}

QString Joined(const std::vector<IpNetwork>& networks)
{
    QStringList texts;
    for (const IpNetwork& network : networks)
        texts << QString::fromStdString(network.toString());
    return texts.join(' ');
}

QString AllocatedText(const PlanAnswer& answer)
{
    std::vector<IpNetwork> networks;
    for (const PlanAllocation& allocation : answer.allocations)
        networks.push_back(allocation.network);
    return Joined(networks);
}

} // namespace

class TestAddressPlan : public QObject
{
    Q_OBJECT

private slots:
    void knownPlans_data();
    void knownPlans();
    void randomVlsmPlans_data();
    void randomVlsmPlans();
    void needTexts_data();
    void needTexts();
};

void TestAddressPlan::knownPlans_data()
{
    QTest::addColumn<QString>("parent");
    QTest::addColumn<PlanMode>("mode");
    QTest::addColumn<QString>("needs"); // sizes, blank-separated; or the split's length/count
    QTest::addColumn<bool>("rfc3021");
    QTest::addColumn<QString>("answer"); // "allocated | free | missing"
    const auto row = [](const char* name, const char* parent, PlanMode mode, const char* needs,
                        const char* answer, bool rfc3021 = false) {
        QTest::newRow(name) << QString(parent) << mode << QString(needs) << rfc3021
                            << QString(answer);
    };
    const auto vlsm = PlanMode::Vlsm;
    row("five sites in a /24", "10.0.0.0/24", vlsm, "100 50 25 10 2",
        "10.0.0.0/25 10.0.0.128/26 10.0.0.192/27 10.0.0.224/28 10.0.0.240/30 | "
        "10.0.0.244/30 10.0.0.248/29 | 0");
    row("links of 2 under RFC 3021", "10.0.0.0/29", vlsm, "2 2 1",
        "10.0.0.0/31 10.0.0.2/31 10.0.0.4/32 | 10.0.0.5/32 10.0.0.6/31 | 0", true);
    row("no needs leave the parent", "10.0.0.0/8", vlsm, "", " | 10.0.0.0/8 | 0");
    row("more than all of IPv4", "0.0.0.0/0", vlsm, "4294967295", " |  | 4294967296");
    row("prefix needs in IPv6", "2001:db8::/56", vlsm, "/64 /57 /58",
        "2001:db8::/57 2001:db8:0:80::/58 2001:db8:0:c0::/64 | 2001:db8:0:c1::/64 "
        "2001:db8:0:c2::/63 2001:db8:0:c4::/62 2001:db8:0:c8::/61 2001:db8:0:d0::/60 "
        "2001:db8:0:e0::/59 | 0");
    row("all of IPv6 and a /64 more", "::/0", vlsm, "/0 1", " |  | 18446744073709551616");
    row("a /48 into /50", "2001:db8::/48", PlanMode::SplitByLength, "50",
        "2001:db8::/50 2001:db8:0:4000::/50 2001:db8:0:8000::/50 2001:db8:0:c000::/50 |  | 0");
    row("split length above the parent", "10.0.0.0/24", PlanMode::SplitByLength, "23", " |  | 256");
    row("five networks are eighths", "10.0.0.0/24", PlanMode::SplitByCount, "5",
        "10.0.0.0/27 10.0.0.32/27 10.0.0.64/27 10.0.0.96/27 10.0.0.128/27 | "
        "10.0.0.160/27 10.0.0.192/26 | 0");
    row("more networks than addresses", "10.0.0.0/30", PlanMode::SplitByCount, "5", " |  | 4");
}

void TestAddressPlan::knownPlans()
{
    QFETCH(QString, parent);
    QFETCH(PlanMode, mode);
    QFETCH(QString, needs);
    QFETCH(bool, rfc3021);

    Plan plan;
    plan.parent = Network(parent.toLatin1().constData());
    plan.mode = mode;
    plan.rfc3021 = rfc3021;
    const QStringList words = needs.split(' ', Qt::SkipEmptyParts);
    if (mode == PlanMode::SplitByLength)
        plan.splitLength = words.at(0).toInt();
    else if (mode == PlanMode::SplitByCount)
        plan.splitCount = words.at(0).toULongLong();
    else {
        for (const QString& word : words)
            plan.needs.push_back({"row", *NeedSize::parse(word.toStdString())});
    }
    const PlanAnswer answer = PlanAddresses(plan);
    QTEST(AllocatedText(answer) + " | " + Joined(answer.free) + " | " +
              QString::fromStdString(answer.missing.toString()),
          "answer");
    QCOMPARE(answer.fits(), answer.missing == AddressCount(0));
}

void TestAddressPlan::randomVlsmPlans_data()
{
    QTest::addColumn<IpFamily>("family");
    QTest::addColumn<bool>("rfc3021");
    QTest::newRow("IPv4") << IpFamily::Ipv4 << false;
    QTest::newRow("IPv4, RFC 3021") << IpFamily::Ipv4 << true;
    QTest::newRow("IPv6") << IpFamily::Ipv6 << false;
}

void TestAddressPlan::randomVlsmPlans()
{
    QFETCH(IpFamily, family);
    QFETCH(bool, rfc3021);
    QRandomGenerator random(32 + int(family) * 2 + int(rfc3021));
    const int bits = AddressBits(family);
    int refused = 0;
    for (int round = 0; round < 3000; ++round) {
        Plan plan;
        plan.rfc3021 = rfc3021;
        const int length =
            family == IpFamily::Ipv4 ? random.bounded(0, 33) : random.bounded(24, 61);
        const Oracle base = Oracle{random.generate64()} << 64 | random.generate64();
        plan.parent =
            IpNetwork::containing(family, {std::uint64_t(base >> 64), std::uint64_t(base)}, length);
        const int parentBits = bits - length;
        const int rows = random.bounded(0, 9);
        std::vector<int> hostBits;
        for (int k = 0; k < rows; ++k) {
            // Counts up to about a third of the parent, so some plans fit and some do not;
            // now and then a "/n" of its own.
            if (random.bounded(6) == 0) {
                const int want = random.bounded(length, bits + 1);
                plan.needs.push_back({"row", NeedSize::prefixLength(want)});
                hostBits.push_back(bits - want);
                continue;
            }
            const int scale = family == IpFamily::Ipv4 ? parentBits : parentBits - 64;
            const std::uint64_t count =
                random.bounded(quint64(0), (quint64(1) << std::max(0, scale - 1)) + 3);
            plan.needs.push_back({"row", NeedSize::count(count)});
            hostBits.push_back(OracleHostBits(family, count, rfc3021));
        }
        // The oracle's order: largest first, ties in row order; the first need whose
        // block passes the parent's end.
        std::vector<std::size_t> order(hostBits.size());
        for (std::size_t k = 0; k < order.size(); ++k)
            order[k] = k;
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t a, std::size_t b) { return hostBits[a] > hostBits[b]; });
        const Oracle parentSize = Oracle{1} << parentBits;
        Oracle total = 0;
        std::size_t firstFailing = kNoNeed;
        for (const std::size_t k : order) {
            total += Oracle{1} << hostBits[k];
            if (firstFailing == kNoNeed && total > parentSize)
                firstFailing = k;
        }

        const PlanAnswer answer = PlanAddresses(plan);
        if (total > parentSize) {
            ++refused;
            QVERIFY(!answer.fits());
            QCOMPARE(answer.problem, PlanProblem::DoesNotFit);
            QVERIFY(answer.allocations.empty());
            QVERIFY(answer.free.empty());
            QCOMPARE(answer.missing.toString(), Decimal(total - parentSize));
            QCOMPARE(answer.need, firstFailing);
            continue;
        }
        QVERIFY(answer.fits());
        QCOMPARE(answer.allocations.size(), plan.needs.size());
        // Everything, allocated and free, laid side by side in address order must tile
        // the parent exactly: each starts where the one before ended, aligned on its size.
        std::vector<IpNetwork> pieces = answer.free;
        std::vector<bool> seen(plan.needs.size());
        for (std::size_t k = 0; k < answer.allocations.size(); ++k) {
            const PlanAllocation& allocation = answer.allocations[k];
            QVERIFY(allocation.need < plan.needs.size());
            QVERIFY(!seen[allocation.need]);
            seen[allocation.need] = true;
            QCOMPARE(bits - allocation.network.prefixLength(), hostBits[allocation.need]);
            // Largest first from the bottom: in address order that is the oracle's order.
            QCOMPARE(allocation.need, order[k]);
            pieces.push_back(allocation.network);
        }
        std::sort(pieces.begin(), pieces.end());
        Oracle next = ToOracle(plan.parent.first());
        for (const IpNetwork& piece : pieces) {
            QVERIFY(plan.parent.contains(piece));
            QCOMPARE(ToOracle(piece.first()), next);
            next += Oracle{1} << (bits - piece.prefixLength());
        }
        QCOMPARE(next, ToOracle(plan.parent.first()) + parentSize);
        // The free space is the fewest networks: a run at the top takes at most one of
        // each size, rising.
        for (std::size_t k = 1; k < answer.free.size(); ++k)
            QVERIFY(answer.free[k].prefixLength() < answer.free[k - 1].prefixLength());
    }
    QVERIFY(refused > 300 && refused < 2700); // both outcomes were tried often
}

void TestAddressPlan::needTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("read"); // toString() of what was read; empty when refused
    const auto row = [](const char* name, const char* text, const char* read) {
        QTest::newRow(name) << QString(text) << QString(read);
    };
    row("nineteen digits", "9999999999999999999", "9999999999999999999");
    row("twenty digits", "10000000000000000000", "");
    row("length past 128", "/129", "");
    row("sign", "-5", "");
}

void TestAddressPlan::needTexts()
{
    QFETCH(QString, text);
    const auto size = NeedSize::parse(text.toStdString());
    QTEST(size ? QString::fromStdString(size->toString()) : QString(), "read");
}

QTEST_GUILESS_MAIN(TestAddressPlan)
#include "tst_address_plan.moc"
