// IPv6 against an oracle written here on the compiler's own 128-bit integers over
// thousands of random values (the number itself, networks, counts, stepping, covers and
// reverse zones), the RFC 4291 text forms and the RFC 5952 canonical form with their
// examples, and the special-purpose blocks as the registry gives them.

#include "net/ipv6_cover.h"
#include "net/ipv6_special.h"
#include "net/reverse_zone.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <string>

using namespace net;

Q_DECLARE_METATYPE(ParseError)
Q_DECLARE_METATYPE(SpecialFlags)

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

std::string CountText(Oracle first, Oracle last)
{
    return first == 0 && last == kAllOnes ? "340282366920938463463374607431768211456"
                                          : Decimal(last - first + 1);
}

QString Text(const Ipv6Network& network)
{
    return QString::fromStdString(network.toString());
}

} // namespace

class TestIpv6 : public QObject
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
        // Past 2^128, where only a wrapped sum shows.
        for (const char* refused : {"340282366920938463463374607431768211456",
                                    "361550014853497117429835520396253724672", "01"})
            QVERIFY2(!UInt128::parse(refused), refused);
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
            QCOMPARE(network.addressCount().toString(), CountText(first, last));
            QCOMPARE(network.addressCount().toUint64().has_value(), length > 64);
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
            std::string zone = "ip6.arpa";
            for (int nibble = 0; nibble < length / 4; ++nibble)
                zone.insert(zone.begin(),
                            {"0123456789abcdef"[int(address >> (124 - 4 * nibble) & 15)], '.'});
            QCOMPARE(ReverseZone(network), zone);
        }
    }

    // The cover must hold exactly the range, each network aligned, and be the fewest:
    // no two neighbours that are the halves of one larger network.
    void coverOfRandomRanges()
    {
        for (int k = 0; k < 5000; ++k) {
            Oracle first = k == 0 ? 0 : RandomNumber();
            Oracle last = k == 0       ? kAllOnes
                          : k % 3 == 0 ? first + (RandomNumber() >> 100)
                                       : RandomNumber();
            if (last < first)
                std::swap(first, last);
            QCOMPARE(AddressCount::span(FromOracle(first), FromOracle(last)).toString(),
                     CountText(first, last));
            const auto cover =
                Ipv6CoverOfRange(Ipv6Address(FromOracle(first)), Ipv6Address(FromOracle(last)));
            Oracle expected = first;
            for (std::size_t n = 0; n < cover.size(); ++n) {
                QCOMPARE(ToOracle(cover[n].address().value()), expected);
                expected = ToOracle(cover[n].last().value()) + 1;
                if (n > 0 && cover[n - 1].prefixLength() == cover[n].prefixLength())
                    QVERIFY(
                        !Ipv6Network::containing(cover[n].address(), cover[n].prefixLength() - 1)
                             .contains(cover[n - 1]));
            }
            QCOMPARE(ToOracle(cover.back().last().value()), last);
            if (k == 0)
                QCOMPARE(cover.size(), 1u);
        }
    }

    // Every accepted form, read into its eight groups (the expanded form) and written back
    // canonically.
    void accepted_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expanded");
        QTest::addColumn<QString>("canonical");
        const auto row = [](const char* text, const char* expanded, const char* canonical) {
            QTest::newRow(text) << text << expanded << canonical;
        };
        // RFC 4291, 2.2: the preferred, compressed and mixed forms.
        row("ABCD:EF01:2345:6789:ABCD:EF01:2345:6789", "abcd:ef01:2345:6789:abcd:ef01:2345:6789",
            "abcd:ef01:2345:6789:abcd:ef01:2345:6789");
        row("2001:DB8:0:0:8:800:200C:417A", "2001:0db8:0000:0000:0008:0800:200c:417a",
            "2001:db8::8:800:200c:417a");
        row("FF01:0:0:0:0:0:0:101", "ff01:0000:0000:0000:0000:0000:0000:0101", "ff01::101");
        row("FF01::101", "ff01:0000:0000:0000:0000:0000:0000:0101", "ff01::101");
        row("0:0:0:0:0:0:0:1", "0000:0000:0000:0000:0000:0000:0000:0001", "::1");
        row("::", "0000:0000:0000:0000:0000:0000:0000:0000", "::");
        row("0:0:0:0:0:0:13.1.68.3", "0000:0000:0000:0000:0000:0000:0d01:4403", "::d01:4403");
        row("::FFFF:129.144.52.38", "0000:0000:0000:0000:0000:ffff:8190:3426",
            "::ffff:129.144.52.38");
        row("1:2:3:4:5:6:1.2.3.4", "0001:0002:0003:0004:0005:0006:0102:0304",
            "1:2:3:4:5:6:102:304");
        // "::" stands for one group as well as for seven.
        row("1:2:3:4:5:6:7::", "0001:0002:0003:0004:0005:0006:0007:0000", "1:2:3:4:5:6:7:0");
        row("::2:3:4:5:6:7:8", "0000:0002:0003:0004:0005:0006:0007:0008", "0:2:3:4:5:6:7:8");
        // RFC 5952, 1 and 4: eight spellings of one address, one canonical text.
        for (const char* text : {"2001:db8:0:0:1:0:0:1", "2001:0db8:0:0:1:0:0:1",
                                 "2001:db8::1:0:0:1", "2001:db8::0:1:0:0:1", "2001:0db8::1:0:0:1",
                                 "2001:db8:0:0:1::1", "2001:db8:0000:0:1::1", "2001:DB8:0:0:1::1"})
            row(text, "2001:0db8:0000:0000:0001:0000:0000:0001", "2001:db8::1:0:0:1");
        // 4.2.2: one zero group stays; 4.2.3: the longest run, the first of equal ones.
        row("2001:db8:0:1:1:1:1:1", "2001:0db8:0000:0001:0001:0001:0001:0001",
            "2001:db8:0:1:1:1:1:1");
        row("2001:0:0:1:0:0:0:1", "2001:0000:0000:0001:0000:0000:0000:0001", "2001:0:0:1::1");
        row("0:0:1:0:0:1:0:0", "0000:0000:0001:0000:0000:0001:0000:0000", "::1:0:0:1:0:0");
        // 5: IPv4-mapped addresses end in dotted form; other embeddings do not.
        row("::fffe:1.2.3.4", "0000:0000:0000:0000:0000:fffe:0102:0304", "::fffe:102:304");
        row("0:0:0:0:1:ffff:1.2.3.4", "0000:0000:0000:0000:0001:ffff:0102:0304",
            "::1:ffff:102:304");
    }
    void accepted()
    {
        QFETCH(QString, text);
        QFETCH(QString, expanded);
        QFETCH(QString, canonical);
        const auto address = Ipv6Address::parse(text.toStdString());
        QVERIFY(address);
        QCOMPARE(QString::fromStdString(address->toExpandedString()), expanded);
        QCOMPARE(QString::fromStdString(address->toString()), canonical);
        QCOMPARE(Ipv6Address::parse(address->toString()).value(), *address);
    }

    // Addresses and networks refused, each with the reason a caller words; the legal ways
    // of writing 2001:db8:0:cd30::/60 (RFC 4291, 2.3) read as that network.
    void networks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("network"); // empty when refused
        QTest::addColumn<ParseError>("error");
        const auto good = [](const char* text, const char* network) {
            QTest::newRow(text) << text << network << ParseError::Empty;
        };
        const auto bad = [](const char* text, ParseError error) {
            QTest::newRow(text) << text << "" << error;
        };
        good("2001:0DB8:0000:CD30:0000:0000:0000:0000/60", "2001:db8:0:cd30::/60");
        good("2001:0DB8::CD30:0:0:0:0/60", "2001:db8:0:cd30::/60");
        good("2001:0DB8:0:CD30::/60", "2001:db8:0:cd30::/60");
        good("::1", "::1/128");
        bad("2001:0DB8:0:CD3/60", ParseError::Malformed);
        bad("2001:0DB8::CD30/60", ParseError::HostBitsSet);
        bad("2001:db8::/129", ParseError::BadPrefixLength);
        bad("2001:db8::/032", ParseError::BadPrefixLength);
        bad("fe80::%eth0/64", ParseError::ZoneIndex);
        bad("", ParseError::Empty);
        bad("fe80::1%1", ParseError::ZoneIndex);
        bad("2001:db8::12345", ParseError::OutOfRange);
        bad("1:2:3:4:5:6:7:8:9", ParseError::Malformed);
        bad("1:2:3:4:5:6:7", ParseError::Malformed);
        bad("1:2:3:4:5:6:7:8::", ParseError::Malformed);
        bad("1::2::3", ParseError::Malformed);
        bad("1:::2", ParseError::Malformed);
        bad(":1:2:3:4:5:6:7", ParseError::Malformed);
        bad("1:2:3:4:5:6:7:", ParseError::Malformed);
        bad("2001:db8::g", ParseError::Malformed);
        bad("::1.2.3.4:5", ParseError::Malformed);
        bad("1.2.3.4::", ParseError::Malformed);
        bad("1:2:3:4:5:6:7:1.2.3.4", ParseError::Malformed);
        bad("::ffff:1.2.3.256", ParseError::OutOfRange);
    }
    void networks()
    {
        QFETCH(QString, text);
        QFETCH(QString, network);
        QFETCH(ParseError, error);
        const auto parsed = Ipv6Network::parse(text.toStdString());
        QCOMPARE(parsed ? Text(*parsed) : QString(), network);
        if (!parsed)
            QCOMPARE(parsed.error(), error);
    }

    // The most specific block that holds all of a network, none when it spills out of
    // every block; the blocks are the registry's own prefixes.
    void specialBlockOf_data()
    {
        QTest::addColumn<QString>("network");
        QTest::addColumn<QString>("block"); // the block's own network, empty for none
        QTest::addColumn<QString>("name");
        const auto row = [](const char* network, const char* block, const char* name) {
            QTest::newRow(network) << network << block << name;
        };
        row("::/128", "::/128", "Unspecified Address");
        row("::1/128", "::1/128", "Loopback Address");
        row("::/127", "", "");
        row("::ffff:10.0.0.0/104", "::ffff:0.0.0.0/96", "IPv4-mapped Address");
        row("64:ff9b::c000:221/128", "64:ff9b::/96", "IPv4-IPv6 Translat.");
        row("64:ff9b:1:2::/64", "64:ff9b:1::/48", "IPv4-IPv6 Translat.");
        row("100::/64", "100::/64", "Discard-Only Address Block");
        row("100::/63", "", "");
        row("100:0:0:1::5/128", "100:0:0:1::/64", "Dummy IPv6 Prefix");
        row("2001::/22", "", "");
        row("2001:1::/126", "2001::/23", "IETF Protocol Assignments");
        row("2001:1::1/128", "2001:1::1/128", "Port Control Protocol Anycast");
        row("2001:1::2/128", "2001:1::2/128", "Traversal Using Relays around NAT Anycast");
        row("2001:0:1::/48", "2001::/32", "TEREDO");
        row("2001:2::/48", "2001:2::/48", "Benchmarking");
        row("2001:3:1::/48", "2001:3::/32", "AMT");
        row("2001:4:112::/48", "2001:4:112::/48", "AS112-v6");
        row("2001:10::/28", "2001:10::/28", "Deprecated (previously ORCHID)");
        row("2001:20::/28", "2001:20::/28", "ORCHIDv2");
        row("2001:30::/28", "2001:30::/28", "Drone Remote ID Protocol Entity Tags (DETs) Prefix");
        row("2001:db8:ffff::1/128", "2001:db8::/32", "Documentation");
        row("2001:db8::/31", "", "");
        row("2002:c000:204::/48", "2002::/16", "6to4");
        row("2620:4f:8000::/48", "2620:4f:8000::/48", "Direct Delegation AS112 Service");
        row("3fff:fff::/32", "3fff::/20", "Documentation");
        row("3fff:1000::/32", "", "");
        row("5f00:1::/32", "5f00::/16", "Segment Routing (SRv6) SIDs");
        row("fd12:3456::/32", "fc00::/7", "Unique-Local");
        row("febf::/16", "fe80::/10", "Link-Local Unicast");
        row("fec0::/10", "", "");
        row("ff02::1/128", "ff00::/8", "Multicast");
    }
    void specialBlockOf()
    {
        QFETCH(QString, network);
        QFETCH(QString, block);
        QFETCH(QString, name);
        const auto* found = Ipv6SpecialBlockOf(Ipv6Network::parse(network.toStdString()).value());
        QCOMPARE(found ? Text(found->network) : QString(), block);
        QCOMPARE(found ? QString::fromUtf8(found->name.data(), qsizetype(found->name.size()))
                       : QString(),
                 name);
    }

    // Source, destination, forwardable, globally reachable, reserved by protocol.
    void specialFlags_data()
    {
        QTest::addColumn<QString>("network");
        QTest::addColumn<SpecialFlags>("flags");
        QTest::newRow("unspecified") << "::/128" << SpecialFlags{true, false, false, false, true};
        QTest::newRow("teredo") << "2001::/32" << SpecialFlags{true, true, true, false, false};
        QTest::newRow("PCP anycast")
            << "2001:1::1/128" << SpecialFlags{true, true, true, true, false};
        QTest::newRow("dummy") << "100:0:0:1::/64" << SpecialFlags{true, true, false, false, false};
        QTest::newRow("link local") << "fe80::/10" << SpecialFlags{true, true, false, false, true};
    }
    void specialFlags()
    {
        QFETCH(QString, network);
        QFETCH(SpecialFlags, flags);
        const auto parsed = Ipv6Network::parse(network.toStdString()).value();
        QVERIFY(Ipv6SpecialBlockOf(parsed)->flags == flags);
        // Overlapping reaches beyond "wholly inside".
        QVERIFY(Ipv6OverlapsSpecialBlock(Ipv6Network::containing(parsed.address(), 8)));
        QVERIFY(!Ipv6OverlapsSpecialBlock(Ipv6Network::parse("2400::/8").value()));
    }
};

QTEST_GUILESS_MAIN(TestIpv6)
#include "tst_ipv6.moc"
