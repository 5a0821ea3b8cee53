// The IPv4 core against an oracle written here: plain 32-bit arithmetic over random
// inputs, brute force where the core is clever (wildcard runs), spot checks of the
// special-purpose table against the registry as it is published, and the edges random
// inputs seldom reach. Range covers are checked through merging, in tst_sets.

#include "block_text.h"
#include "net/ipv4_classful.h"
#include "net/ipv4_cover.h"
#include "net/ipv4_special_blocks.h"
#include "net/ipv4_wildcard.h"
#include "net/number_text.h"
#include "net/reverse_zone.h"
#include "support/dotted.h"

#include <QRandomGenerator>
#include <QTest>

#include <bit>

using namespace net;

Q_DECLARE_METATYPE(net::ParseError)

namespace {

Ipv4Network Network(const QString& text)
{
    return Ipv4Network::parse(text.toStdString()).value();
}

QString Text(const std::optional<Ipv4Network>& network)
{
    return network ? QString::fromStdString(network->toString()) : QString();
}

// Spot checks from the IANA IPv4 Special-Purpose Address Registry and the multicast
// registry: the ends of the space and blocks nested in others. Flags: source, destination,
// forwardable, global, reserved.
const char* const kRegistry[][4] = {
    {"0.0.0.0", "0.255.255.255", "This network", "TFFFT"},
    {"0.0.0.0", "0.0.0.0", "This host on this network", "TFFFT"},
    {"192.0.0.8", "192.0.0.8", "IPv4 dummy address", "TFFFF"},
    {"192.0.0.9", "192.0.0.9", "Port Control Protocol Anycast", "TTTTF"},
    {"192.88.99.0", "192.88.99.255", "Deprecated (6to4 Relay Anycast)", "FFFFF"},
    {"192.88.99.2", "192.88.99.2", "6a44-relay anycast address", "TTTFF"},
    {"224.0.0.0", "239.255.255.255", "Multicast", "FTTFF"},
    {"240.0.0.0", "255.255.255.255", "Reserved", "FFFFT"},
    {"255.255.255.255", "255.255.255.255", "Limited Broadcast", "FTFFT"},
};

} // namespace

class TestIpv4 : public QObject
{
    Q_OBJECT

private slots:
    // The interface as read back, or the reason it was refused.
    void parsing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("read"); // empty: refused
        QTest::addColumn<ParseError>("error");
        const auto good = [](const char* text, const char* read) {
            QTest::newRow(text) << QString(text) << QString(read) << ParseError::Empty;
        };
        const auto bad = [](ParseError error, std::initializer_list<const char*> texts) {
            for (const char* text : texts)
                QTest::newRow(text) << QString(text) << QString() << error;
        };
        good("10.1.2.3/255.255.255.0", "10.1.2.3/24");
        good("10.1.2.3", "10.1.2.3/32");
        good("10.1.2.3/0.0.0.0", "10.1.2.3/0");
        bad(ParseError::Empty, {""});
        bad(ParseError::LeadingZero, {"10.01.0.1"});
        bad(ParseError::OutOfRange, {"1.2.3.256"});
        bad(ParseError::Malformed,
            {"1.2.3.1000", "1.2.3", "1.2.3.4.5", "1..3.4", " 1.2.3.4", "0x1.2.3.4"});
        bad(ParseError::BadPrefixLength,
            {"10.1.2.3/33", "10.1.2.3/08", "10.1.2.3/", "10.1.2.3/8/8"});
        bad(ParseError::NonContiguousMask, {"10.1.2.3/255.0.255.0"});
    }
    void parsing()
    {
        QFETCH(QString, text);
        QFETCH(QString, read);
        QFETCH(ParseError, error);
        const auto parsed = Ipv4Interface::parse(text.toStdString());
        QCOMPARE(parsed ? QString::fromStdString(parsed->toString()) : QString(), read);
        if (!parsed)
            QCOMPARE(parsed.error(), error);
    }

    void wholeNumbers()
    {
        QCOMPARE(ParseWholeNumber("4294967295", 0xFFFFFFFFu).value(), 4294967295u);
        for (const char* refused : {"4294967296", "18446744073709551616", "01", "-1", "1 "})
            QVERIFY2(!ParseWholeNumber(refused, 0xFFFFFFFFu), refused);
        QCOMPARE(Ipv4Network::parse("10.0.0.1/24").error(), ParseError::HostBitsSet);
    }

    // Every figure of a network against masks made by shifting, over random addresses.
    void networkAgreesWithArithmetic()
    {
        QRandomGenerator random(2312);
        for (int round = 0; round < 20000; ++round) {
            const std::uint32_t a = random.generate();
            const int length = int(random.bounded(33));
            const std::uint32_t mask = MaskOf(length);
            const std::uint32_t first = a & mask, last = first | ~mask;
            const Ipv4Network network = Ipv4Network::containing(Ipv4Address(a), length);
            const QString context = Dotted(a) + '/' + QString::number(length);
            QCOMPARE(Text(network), Dotted(first) + '/' + QString::number(length));
            QCOMPARE(Dotted(network.mask().value()) + ' ' + Dotted(network.broadcast().value()),
                     Dotted(mask) + ' ' + Dotted(last));
            QCOMPARE(network.addressCount(), std::uint64_t{~mask} + 1);
            QCOMPARE(Ipv4PrefixLengthOfMask(Ipv4Address(mask)).value_or(-1), length);
            const std::uint32_t outside = a ^ (length ? 1u << (32 - length) : 0u);
            QVERIFY2(network.contains(Ipv4Address(a)) &&
                         network.contains(Ipv4Address(outside)) == (length == 0),
                     qPrintable(context));

            // From /31 on there is no network or broadcast address to leave out.
            const bool rfc3021 = round % 2 == 1;
            const auto hosts = network.hosts(rfc3021);
            const std::uint32_t inset = length < 31 ? 1 : 0;
            QCOMPARE(hosts.has_value(), length != 31 || rfc3021);
            if (hosts)
                QVERIFY2(hosts->first.value() == first + inset &&
                             hosts->last.value() == last - inset,
                         qPrintable(context));

            const QString slash = '/' + QString::number(length);
            QCOMPARE(Text(network.next()), last == ~0u ? QString() : Dotted(last + 1) + slash);
            QCOMPARE(Text(network.previous()),
                     first == 0 ? QString() : Dotted(first - (~mask + 1)) + slash);

            const int longer = length + int(random.bounded(33 - length));
            const std::uint64_t count = network.subnetCount(longer);
            QVERIFY2(count == std::uint64_t{1} << (longer - length), qPrintable(context));
            const std::uint64_t index = random.generate64() % count;
            const Ipv4Network part = network.subnet(longer, index);
            QVERIFY2(part.address().value() == first + std::uint32_t(index << (32 - longer)) &&
                         network.contains(part) && !part.contains(network) == (longer > length),
                     qPrintable(context));

            const int top = int(a >> 24);
            const AddressClass expectedClass = top < 128   ? AddressClass::A
                                               : top < 192 ? AddressClass::B
                                               : top < 224 ? AddressClass::C
                                               : top < 240 ? AddressClass::D
                                                           : AddressClass::E;
            QVERIFY2(Ipv4ClassOf(Ipv4Address(a)) == expectedClass, qPrintable(context));
            QCOMPARE(ClassfulLength(expectedClass).value_or(0),
                     top < 224 ? 8 * (1 + int(expectedClass)) : 0);
            // The figures under each classful length; the status has a table of its own.
            const int classful = 8 * (1 + round % 3);
            const auto figures = AnalyseClassful(Ipv4Address(a), classful, length, rfc3021).figures;
            QVERIFY2(figures.has_value() == (length >= classful), qPrintable(context));
            if (figures) {
                const std::int64_t maxHosts =
                    length == 31 && rfc3021 ? 2 : std::max<std::int64_t>(~mask - 1ll, 0);
                QCOMPARE(figures->subnetBits, length - classful);
                QCOMPARE(figures->hostBits, 32 - length);
                QCOMPARE(std::int64_t(figures->maxSubnets), std::int64_t{1} << (length - classful));
                QCOMPARE(std::int64_t(figures->maxHosts), maxHosts);
            }
            QString zone = "in-addr.arpa";
            for (int octet = 0; octet < length / 8; ++octet)
                zone.prepend(QString::number(a >> (24 - 8 * octet) & 255) + '.');
            QCOMPARE(QString::fromStdString(ReverseZone(network)), zone);
        }
        // The ends of the space, where random networks seldom land.
        QCOMPARE(Text(Network("255.255.255.254/32").next()), "255.255.255.255/32");
        QCOMPARE(Text(Network("0.0.0.1/32").previous()), "0.0.0.0/32");
    }

    // Every octet pair: the runs list exactly the values a brute-force test accepts.
    void wildcardRunsAreExhaustive()
    {
        for (int address = 0; address < 256; ++address) {
            for (int wildcard = 0; wildcard < 256; ++wildcard) {
                std::array<bool, 256> listed{};
                int previousLast = -2;
                for (const OctetRun& run :
                     WildcardOctetRuns(std::uint8_t(address), std::uint8_t(wildcard))) {
                    // Ascending, maximal (a gap before each run) and not overlapping.
                    QVERIFY(run.first > previousLast + 1 && run.last >= run.first);
                    for (int k = run.first; k <= run.last; ++k)
                        listed[std::size_t(k)] = true;
                    previousLast = run.last;
                }
                for (int k = 0; k < 256; ++k) {
                    if (listed[std::size_t(k)] != (((k ^ address) & ~wildcard & 255) == 0))
                        QFAIL(qPrintable(
                            QStringLiteral("%1 under %2: %3").arg(address).arg(wildcard).arg(k)));
                }
            }
        }
    }

    void wildcardAsAWhole()
    {
        QRandomGenerator random(77);
        for (int round = 0; round < 5000; ++round) {
            const std::uint32_t a = random.generate();
            // Half contiguous, half random.
            const std::uint32_t w =
                round % 2 ? ~MaskOf(int(random.bounded(33))) : random.generate();
            const Ipv4Wildcard wildcard{Ipv4Address(a), Ipv4Address(w)};
            const std::uint32_t probe = random.generate();
            QCOMPARE(wildcard.matches(Ipv4Address(probe)), ((probe ^ a) & ~w) == 0);
            QCOMPARE(wildcard.matchCount(), std::uint64_t{1} << std::popcount(w));
            const bool contiguous = ((w + 1) & w) == 0;
            QCOMPARE(Text(wildcard.network()),
                     contiguous ? Dotted(a & ~w) + '/' + QString::number(std::countl_zero(w))
                                : QString());
            // The enclosing network is the smallest that holds the lowest and highest match.
            const Ipv4Address low(a & ~w), high(a | w);
            const Ipv4Network around = wildcard.enclosingNetwork();
            QVERIFY(around.contains(low) && around.contains(high));
            if (around.prefixLength() < 32)
                QVERIFY(!Ipv4Network::containing(low, around.prefixLength() + 1).contains(high));
        }
    }

    // Each block, written as its first and last address so that the table's prefixes are checked
    // too, found as the one holding its own network (so it is the most specific), with its name
    // and five columns; then a network inside a block, one astride blocks and one between them.
    void specialBlocksAreTheRegistry()
    {
        for (const auto& [first, last, name, flags] : kRegistry) {
            const auto range =
                Ipv4CoverOfRange(*Ipv4Address::parse(first), *Ipv4Address::parse(last));
            const auto* found = Ipv4SpecialBlockOf(range.front());
            QVERIFY2(range.size() == 1 && found && Text(found->network) == Text(range[0]), first);
            QCOMPARE(BlockText(*found), QString(name) + ' ' + flags);
        }
        QCOMPARE(Text(Ipv4SpecialBlockOf(Network("192.0.0.128/25"))->network), "192.0.0.0/24");
        // Inside a block that reaches over many first octets, far from its start.
        const auto* reserved = Ipv4SpecialBlockOf(Network("250.1.2.0/24"));
        QVERIFY(reserved && Text(reserved->network) == "240.0.0.0/4");
        // Astride blocks: overlapping them without lying in one; between blocks: neither.
        QVERIFY(!Ipv4SpecialBlockOf(Network("10.0.0.0/7")) &&
                Ipv4OverlapsSpecialBlock(Network("10.0.0.0/7")));
        QVERIFY(!Ipv4OverlapsSpecialBlock(Network("11.0.0.0/8")) &&
                !Ipv4OverlapsSpecialBlock(Network("100.63.255.255/32")));
    }

    // The lookups, which search only the part of the table near a network, against a scan of
    // the whole table: every network of up to ten bits, then random longer ones.
    void specialBlockLookupsScanTheTable()
    {
        const auto check = [](const Ipv4Network& network) {
            const Ipv4SpecialBlock* mostSpecific = nullptr;
            bool overlaps = false;
            for (const Ipv4SpecialBlock& block : Ipv4SpecialBlocks()) {
                overlaps =
                    overlaps || block.network.contains(network) || network.contains(block.network);
                if (block.network.contains(network) &&
                    (!mostSpecific ||
                     block.network.prefixLength() > mostSpecific->network.prefixLength()))
                    mostSpecific = &block;
            }
            const QByteArray text = network.toString().c_str();
            QVERIFY2(Ipv4SpecialBlockOf(network) == mostSpecific, text);
            QVERIFY2(Ipv4OverlapsSpecialBlock(network) == overlaps, text);
        };
        for (int length = 0; length <= 10; ++length) {
            for (std::uint64_t k = 0; k < (std::uint64_t{1} << length); ++k)
                check(Ipv4Network::containing(Ipv4Address(std::uint32_t(k << (32 - length))),
                                              length));
        }
        QRandomGenerator random(2312);
        for (int k = 0; k < 20000; ++k)
            check(Ipv4Network::containing(Ipv4Address(random.generate()), random.bounded(11, 33)));
    }
};

QTEST_GUILESS_MAIN(TestIpv4)
#include "tst_ipv4.moc"
