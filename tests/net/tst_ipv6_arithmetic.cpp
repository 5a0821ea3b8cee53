// The IPv6 arithmetic against an oracle written here on the compiler's own 128-bit
// integers, over thousands of random values: the 128-bit number itself, networks and
// their counts, stepping, the smallest cover of a range and the reverse zones.

#include "net/ipv6_cover.h"
#include "net/reverse_zone.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <string>

using net::AddressCount;
using net::Ipv6Address;
using net::Ipv6Network;
using net::UInt128;

namespace {

// __extension__ keeps -Wpedantic quiet, and it takes a typedef, not a using.
// NOLINTNEXTLINE(modernize-use-using)
__extension__ typedef unsigned __int128 Oracle;

constexpr Oracle kAllOnes = ~Oracle{0};

Oracle ToOracle(UInt128 n)
{
    return Oracle{n.high()} << 64 | n.low();
}

UInt128 FromOracle(Oracle n)
{
    return {std::uint64_t(n >> 64), std::uint64_t(n)};
}

std::string Decimal(Oracle n)
{
    std::string text;
    do {
        text.insert(text.begin(), char('0' + int(n % 10)));
        n /= 10;
    } while (n != 0);
    return text;
}

// Random numbers with long runs of zero and one bits, where carries and masks go wrong.
Oracle RandomNumber()
{
    auto* random = QRandomGenerator::global();
    Oracle n = Oracle{random->generate64()} << 64 | random->generate64();
    switch (random->bounded(4)) {
    case 0:
        return n >> random->bounded(128);
    case 1:
        return n << random->bounded(128);
    case 2:
        return ~(n >> random->bounded(128));
    default:
        return n;
    }
}

Oracle HostMask(int length)
{
    return length == 0 ? kAllOnes : (Oracle{1} << (128 - length)) - 1;
}

std::string CountText(int length)
{
    return length == 0 ? "340282366920938463463374607431768211456" : Decimal(HostMask(length) + 1);
}

} // namespace

class TestIpv6Arithmetic : public QObject
{
    Q_OBJECT

private slots:
    void numberAgainstOracle()
    {
        for (int k = 0; k < 20000; ++k) {
            const Oracle a = RandomNumber();
            const Oracle b = RandomNumber();
            const int shift = QRandomGenerator::global()->bounded(128);
            QCOMPARE(ToOracle(FromOracle(a) + FromOracle(b)), a + b);
            QCOMPARE(ToOracle(FromOracle(a) - FromOracle(b)), a - b);
            QCOMPARE(ToOracle(FromOracle(a) << shift), a << shift);
            QCOMPARE(ToOracle(FromOracle(a) >> shift), a >> shift);
            QCOMPARE(FromOracle(a) < FromOracle(b), a < b);
            QCOMPARE(FromOracle(a).toString(), Decimal(a));
            QCOMPARE(ToOracle(UInt128::parse(Decimal(a)).value()), a);
        }
    }

    void decimalEdges_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("2^128 - 1") << "340282366920938463463374607431768211455" << true;
        QTest::newRow("2^128") << "340282366920938463463374607431768211456" << false;
        QTest::newRow("ten times 2^124") << "212676479325586539664609129644855132160" << true;
        QTest::newRow("2^128 + 2^124") << "361550014853497117429835520396253724672" << false;
        QTest::newRow("40 digits") << "1000000000000000000000000000000000000000" << false;
        QTest::newRow("leading zero") << "01" << false;
    }
    void decimalEdges()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        const auto parsed = UInt128::parse(text.toStdString());
        QCOMPARE(bool(parsed), accepted);
        if (accepted)
            QCOMPARE(QString::fromStdString(parsed->toString()), text);
    }

    void networksAgainstOracle()
    {
        auto* random = QRandomGenerator::global();
        for (int k = 0; k < 20000; ++k) {
            const Oracle address = RandomNumber();
            const int length = k < 129 ? k : random->bounded(129);
            const Oracle first = address & ~HostMask(length);
            const Oracle last = first | HostMask(length);
            const auto network = Ipv6Network::containing(Ipv6Address(FromOracle(address)), length);
            QCOMPARE(ToOracle(network.address().value()), first);
            QCOMPARE(ToOracle(network.last().value()), last);
            QCOMPARE(network.addressCount().toString(), CountText(length));
            QCOMPARE(network.addressCount().toUint64().has_value(), length > 64);
            QVERIFY(network.contains(Ipv6Address(FromOracle(address))));
            const Oracle outside = address ^ (Oracle{1} << random->bounded(128));
            QCOMPARE(network.contains(Ipv6Address(FromOracle(outside))),
                     (outside & ~HostMask(length)) == first);

            const auto next = network.next();
            QCOMPARE(next.has_value(), last != kAllOnes);
            if (next)
                QCOMPARE(ToOracle(next->address().value()), last + 1);
            const auto previous = network.previous();
            QCOMPARE(previous.has_value(), first != 0);
            if (previous)
                QCOMPARE(ToOracle(previous->address().value()), first - (HostMask(length) + 1));
        }
    }

    // The cover must hold exactly the range, each network aligned, and be the fewest:
    // no two neighbours that are the halves of one larger network.
    void coverOfRandomRanges()
    {
        for (int k = 0; k < 5000; ++k) {
            Oracle first = RandomNumber();
            Oracle last = k % 3 == 0 ? first + (RandomNumber() >> 100) : RandomNumber();
            if (last < first)
                std::swap(first, last);
            const auto cover = net::Ipv6CoverOfRange(Ipv6Address(FromOracle(first)),
                                                     Ipv6Address(FromOracle(last)));
            Oracle expected = first;
            for (std::size_t n = 0; n < cover.size(); ++n) {
                const Ipv6Network& network = cover[n];
                QCOMPARE(ToOracle(network.address().value()), expected);
                expected = ToOracle(network.last().value()) + 1;
                if (n > 0 && cover[n - 1].prefixLength() == network.prefixLength() &&
                    network.prefixLength() > 0) {
                    const auto parent =
                        Ipv6Network::containing(network.address(), network.prefixLength() - 1);
                    QVERIFY(!parent.contains(cover[n - 1]));
                }
            }
            QCOMPARE(ToOracle(cover.back().last().value()), last);
            QCOMPARE(AddressCount::span(FromOracle(first), FromOracle(last)).toString(),
                     first == 0 && last == kAllOnes ? CountText(0) : Decimal(last - first + 1));
        }
        const Ipv6Address top(UInt128::max());
        QCOMPARE(net::Ipv6CoverOfRange(Ipv6Address(), top).size(), 1u);
        QCOMPARE(net::Ipv6CoverOfRange(Ipv6Address(1), Ipv6Address(UInt128::max() - 1)).size(),
                 254u);
        QCOMPARE(AddressCount::span(UInt128(), UInt128::max()).toString(), CountText(0));
    }

    void reverseZones()
    {
        for (int k = 0; k < 2000; ++k) {
            const Oracle address = RandomNumber();
            const int length = k < 129 ? k : QRandomGenerator::global()->bounded(129);
            std::string zone;
            for (int nibble = length / 4 - 1; nibble >= 0; --nibble) {
                zone += "0123456789abcdef"[int(address >> (124 - 4 * nibble) & 15)];
                zone += '.';
            }
            zone += "ip6.arpa";
            const auto network = Ipv6Network::containing(Ipv6Address(FromOracle(address)), length);
            QCOMPARE(net::ReverseZone(network), zone);
        }
    }
};

QTEST_GUILESS_MAIN(TestIpv6Arithmetic)
#include "tst_ipv6_arithmetic.moc"
