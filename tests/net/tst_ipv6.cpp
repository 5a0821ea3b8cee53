// IPv6 against an oracle written here on the compiler's own 128-bit integers over
// thousands of random values (the number itself, networks, counts, stepping and reverse
// zones), the RFC 4291 text forms and the RFC 5952 canonical form with their examples, and
// spot checks of the special-purpose blocks as the registry gives them. Range covers are
// checked through merging, in tst_sets.

#include "block_text.h"
#include "net/address_count.h"
#include "net/ipv6_special.h"
#include "net/reverse_zone.h"
#include "support/oracle128.h"
#include "support/test_seed.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <string>

using namespace net;

Q_DECLARE_METATYPE(ParseError)
Q_DECLARE_METATYPE(Ipv6ParseReason)

namespace {

constexpr Oracle kAllOnes = ~Oracle{0};

// Seeded in initTestCase.
QRandomGenerator g_random;

// Random numbers with long runs of zero and one bits, where carries and masks go wrong.
Oracle RandomNumber()
{
    auto* random = &g_random;
    const Oracle n = Oracle{random->generate64()} << 64 | random->generate64();
    const int shift = random->bounded(128);
    const Oracle shapes[] = {n >> shift, n << shift, ~(n >> shift), n};
    return shapes[random->bounded(4)];
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

Ipv6Network Network(const char* text)
{
    return Ipv6Network::parse(text).value();
}

QString Text(const Ipv6Network& network)
{
    return QString::fromStdString(network.toString());
}

// Spot checks from the IANA IPv6 Special-Purpose Address Registry, with multicast from the
// addressing architecture: the ends, a block nested in another and one citing two RFCs.
// Flags: source, destination, forwardable, global, reserved; then the RFCs the registry cites.
const char* const kRegistry[][4] = {
    {"::/128", "Unspecified Address", "TFFFT", "RFC 4291"},
    {"::ffff:0.0.0.0/96", "IPv4-mapped Address", "FFFFT", "RFC 4291"},
    {"2001::/23", "IETF Protocol Assignments", "FFFFF", "RFC 2928"},
    {"2001::/32", "TEREDO", "TTTFF", "RFC 4380, RFC 8190"},
    {"2001:1::1/128", "Port Control Protocol Anycast", "TTTTF", "RFC 7723"},
    {"fc00::/7", "Unique-Local", "TTTFF", "RFC 4193, RFC 8190"},
    {"ff00::/8", "Multicast", "FTTFF", "RFC 4291"},
};

} // namespace

class TestIpv6 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { g_random.seed(TestSeed("FEROL_IPV6_SEED", 20261207)); }
    void numberAgainstOracle()
    {
        for (int k = 0; k < 20000; ++k) {
            const Oracle a = RandomNumber();
            const Oracle b = RandomNumber();
            const int shift = g_random.bounded(128);
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
        auto* random = &g_random;
        for (int k = 0; k < 20000; ++k) {
            const Oracle address = RandomNumber();
            const int length = k < 129 ? k : random->bounded(129);
            const Oracle first = address & ~HostMask(length);
            const Oracle last = first | HostMask(length);
            // Eight groups of four hex digits, and both written forms read back.
            const Ipv6Address written(FromOracle(address));
            QString expanded;
            for (int shift = 112; shift >= 0; shift -= 16)
                expanded += QString::number(quint16(address >> shift), 16).rightJustified(4, '0') +
                            (shift ? ":" : "");
            QCOMPARE(QString::fromStdString(written.toExpandedString()), expanded);
            QCOMPARE(Ipv6Address::parse(written.toExpandedString()).value(), written);
            QCOMPARE(Ipv6Address::parse(written.toString()).value(), written);
            const auto network = Ipv6Network::containing(written, length);
            QCOMPARE(ToOracle(network.address().value()), first);
            QCOMPARE(ToOracle(network.last().value()), last);
            QCOMPARE(network.addressCount().toString(), CountText(first, last));
            QCOMPARE(network.addressCount().toUint64().has_value(), length > 64);
            const Oracle outside = address ^ (Oracle{1} << random->bounded(128));
            QCOMPARE(network.contains(Ipv6Address(FromOracle(outside))),
                     (outside & ~HostMask(length)) == first);
            const auto [low, high] = std::minmax(address, outside);
            QCOMPARE(AddressCount::span(FromOracle(low), FromOracle(high)).toString(),
                     CountText(low, high));
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

    // Every accepted form written back canonically.
    void accepted_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("canonical");
        const auto row = [](const char* text, const char* canonical) {
            QTest::newRow(text) << text << canonical;
        };
        // RFC 4291, 2.2 and RFC 5952, 5: the mixed forms; IPv4-mapped addresses end in dotted
        // form, other embeddings do not. The plain forms are Python's to check, in the IPv6
        // tab's test.
        row("0:0:0:0:0:0:13.1.68.3", "::d01:4403");
        row("::FFFF:129.144.52.38", "::ffff:129.144.52.38");
        row("1:2:3:4:5:6:1.2.3.4", "1:2:3:4:5:6:102:304");
        row("::fffe:1.2.3.4", "::fffe:102:304");
        row("0:0:0:0:1:ffff:1.2.3.4", "::1:ffff:102:304");
        // "::" may stand for a single group.
        row("1:2:3:4:5:6:7::", "1:2:3:4:5:6:7:0");
    }
    void accepted()
    {
        QFETCH(QString, text);
        QFETCH(QString, canonical);
        const auto address = Ipv6Address::parse(text.toStdString());
        QCOMPARE(address ? QString::fromStdString(address->toString()) : QString(), canonical);
    }

    // The legal ways of writing 2001:db8:0:cd30::/60 (RFC 4291, 2.3) read as that network,
    // and the illegal ones refused with the reason a caller words.
    void networks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("network"); // empty when refused
        QTest::addColumn<ParseError>("error");
        const auto good = [](const char* text, const char* network) {
            QTest::newRow(text) << text << network << ParseError::Empty;
        };
        const auto bad = [](ParseError error, std::initializer_list<const char*> texts) {
            for (const char* text : texts)
                QTest::newRow(text) << text << "" << error;
        };
        good("2001:0DB8:0000:CD30:0000:0000:0000:0000/60", "2001:db8:0:cd30::/60");
        good("2001:0DB8::CD30:0:0:0:0/60", "2001:db8:0:cd30::/60");
        good("::1", "::1/128");
        // The illegal ways of writing it, and a gap after eight groups; each other reason has
        // its row among the refusal reasons.
        bad(ParseError::HostBitsSet, {"2001:0DB8::CD30/60"});
        bad(ParseError::Malformed, {"2001:0DB8:0:CD3/60", "1:2:3:4:5:6:7:8::"});
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

    // Each refusal names its rule, the character where the fault begins, and the group it
    // lies in (or how many groups were written); the coarse code follows from it.
    void refusalReasons_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Ipv6ParseReason>("reason");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("group"); // the group's number, or the groups written
        QTest::addColumn<ParseError>("coarse");
        using R = Ipv6ParseReason;
        const auto row = [](const char* text, R reason, int position, int group,
                            ParseError coarse) {
            QTest::newRow(text) << text << reason << position << group << coarse;
        };
        row("/64", R::Empty, 0, 0, ParseError::Empty);
        row("fe80::1%eth0/64", R::ZoneIndex, 7, 0, ParseError::ZoneIndex);
        row("192.0.2.1/24", R::Ipv4Address, 0, 0, ParseError::Malformed);
        row("2001:db8::g1", R::BadCharacter, 10, 0, ParseError::Malformed);
        row("1:::2", R::ColonRun, 1, 0, ParseError::Malformed);
        row("1::2::3", R::MoreThanOneGap, 4, 0, ParseError::Malformed);
        row(":1:2:3:4:5:6:7", R::LeadingColon, 0, 0, ParseError::Malformed);
        row("1:2:3:4:5:6:7:", R::TrailingColon, 13, 0, ParseError::Malformed);
        row("1:2:12345::", R::GroupTooLong, 4, 3, ParseError::OutOfRange);
        row("1.2.3.4::", R::Ipv4NotLast, 0, 1, ParseError::Malformed);
        row("::ffff:1.2.3", R::Ipv4Malformed, 7, 2, ParseError::Malformed);
        row("::ffff:1.2.3.04", R::Ipv4LeadingZero, 7, 2, ParseError::LeadingZero);
        row("::ffff:1.2.3.256", R::Ipv4OutOfRange, 7, 2, ParseError::OutOfRange);
        row("1:2:3:4:5:6:7", R::TooFewGroups, 13, 7, ParseError::Malformed);
        row("1:2:3:4:5:6:7:8:9:10", R::TooManyGroups, 16, 10, ParseError::Malformed);
        row("1:2:3:4:5:6:7:1.2.3.4", R::TooManyGroups, 14, 8, ParseError::Malformed);
        row("1:2:3:4::5:6:7:8", R::GapWithoutRoom, 7, 8, ParseError::Malformed);
        row("2001:db8::/", R::PrefixLengthEmpty, 11, 0, ParseError::BadPrefixLength);
        row("2001:db8::/6a", R::PrefixLengthNotNumber, 11, 0, ParseError::BadPrefixLength);
        row("2001:db8::/032", R::PrefixLengthLeadingZero, 11, 0, ParseError::BadPrefixLength);
        row("2001:db8::/129", R::PrefixLengthTooLarge, 11, 0, ParseError::BadPrefixLength);
        row("2001:db8::1/64", R::HostBitsSet, 0, 0, ParseError::HostBitsSet);
    }
    void refusalReasons()
    {
        QFETCH(QString, text);
        QFETCH(Ipv6ParseReason, reason);
        QFETCH(int, position);
        QFETCH(int, group);
        QFETCH(ParseError, coarse);
        const auto parsed = Ipv6Network::parseDetailed(text.toStdString());
        QVERIFY(!parsed);
        const Ipv6ParseFault& fault = parsed.error();
        QCOMPARE(fault.reason, reason);
        QCOMPARE(int(fault.position), position);
        const bool aboutCount = reason == Ipv6ParseReason::TooFewGroups ||
                                reason == Ipv6ParseReason::TooManyGroups ||
                                reason == Ipv6ParseReason::GapWithoutRoom;
        QCOMPARE(aboutCount ? fault.groupCount : fault.group, group);
        QCOMPARE(Ipv6Network::parse(text.toStdString()).error(), coarse);
    }

    // Each block found as the one holding its own network (so it is the most specific and its
    // prefix is checked), with its name and five columns; then a network inside a block, one
    // astride blocks and one between them.
    void specialBlocksAreTheRegistry()
    {
        for (const auto& [network, name, flags, rfc] : kRegistry) {
            const auto* found = Ipv6SpecialBlockOf(Network(network));
            QVERIFY2(found && Text(found->network) == network, network);
            QCOMPARE(BlockText(*found), QString(name) + ' ' + flags);
            QCOMPARE(QString::fromUtf8(found->rfc.data(), qsizetype(found->rfc.size())), rfc);
        }
        QCOMPARE(Text(Ipv6SpecialBlockOf(Network("2001:1::/126"))->network), "2001::/23");
        QVERIFY(!Ipv6SpecialBlockOf(Network("2001::/22")) &&
                Ipv6OverlapsSpecialBlock(Network("2001::/22")));
        QVERIFY(!Ipv6OverlapsSpecialBlock(Network("3fff:1000::/32")));
    }
};

QTEST_GUILESS_MAIN(TestIpv6)
#include "tst_ipv6.moc"
