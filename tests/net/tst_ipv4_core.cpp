// The address core against an oracle written here: plain 32-bit arithmetic over random
// inputs, and brute force where the core is clever (wildcard runs, range covers).

#include "net/ipv4_classful.h"
#include "net/ipv4_cover.h"
#include "net/ipv4_network.h"
#include "net/ipv4_wildcard.h"
#include "net/number_text.h"
#include "support/dotted.h"

#include <QRandomGenerator>
#include <QTest>

#include <bit>

using namespace net;

Q_DECLARE_METATYPE(net::ParseError)
Q_DECLARE_METATYPE(net::ClassfulStatus)

namespace {

std::uint32_t MaskOf(int length)
{
    return length == 0 ? 0u : 0xFFFFFFFFu << (32 - length);
}

} // namespace

class TestIpv4Core : public QObject
{
    Q_OBJECT

private slots:
    void addressParsing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<ParseError>("error");
        const auto good = [](const char* text) {
            QTest::newRow(text) << QString(text) << true << ParseError::Empty;
        };
        const auto bad = [](const char* name, const char* text, ParseError error) {
            QTest::newRow(name) << QString(text) << false << error;
        };
        good("0.0.0.0");
        good("255.255.255.255");
        good("10.0.100.9");
        bad("empty", "", ParseError::Empty);
        bad("leading zero", "10.01.0.1", ParseError::LeadingZero);
        bad("octal-looking", "010.0.0.1", ParseError::LeadingZero);
        bad("256", "1.2.3.256", ParseError::OutOfRange);
        bad("four digits", "1.2.3.1000", ParseError::Malformed);
        bad("three octets", "1.2.3", ParseError::Malformed);
        bad("five octets", "1.2.3.4.5", ParseError::Malformed);
        bad("trailing dot", "1.2.3.4.", ParseError::Malformed);
        bad("empty octet", "1..3.4", ParseError::Malformed);
        bad("blank", " 1.2.3.4", ParseError::Malformed);
        bad("sign", "+1.2.3.4", ParseError::Malformed);
        bad("hex", "0x1.2.3.4", ParseError::Malformed);
        bad("slash", "1.2.3.4/8", ParseError::Malformed);
    }
    void addressParsing()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(ParseError, error);
        const std::string input = text.toStdString();
        const auto parsed = Ipv4Address::parse(input);
        QCOMPARE(parsed.ok(), ok);
        if (ok)
            QCOMPARE(QString::fromStdString(parsed->toString()), text);
        else
            QCOMPARE(parsed.error(), error);
    }

    void interfaceForms_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("address");
        QTest::addColumn<int>("length"); // -1: refused
        QTest::newRow("length") << "10.1.2.3/24"
                                << "10.1.2.3" << 24;
        QTest::newRow("mask") << "10.1.2.3/255.255.255.0"
                              << "10.1.2.3" << 24;
        QTest::newRow("bare") << "10.1.2.3"
                              << "10.1.2.3" << 32;
        QTest::newRow("/0") << "10.1.2.3/0"
                            << "10.1.2.3" << 0;
        QTest::newRow("zero mask") << "10.1.2.3/0.0.0.0"
                                   << "10.1.2.3" << 0;
        QTest::newRow("/33") << "10.1.2.3/33"
                             << "" << -1;
        QTest::newRow("/08") << "10.1.2.3/08"
                             << "" << -1;
        QTest::newRow("empty length") << "10.1.2.3/"
                                      << "" << -1;
        QTest::newRow("gap mask") << "10.1.2.3/255.0.255.0"
                                  << "" << -1;
        QTest::newRow("two slashes") << "10.1.2.3/8/8"
                                     << "" << -1;
    }
    void interfaceForms()
    {
        QFETCH(QString, text);
        QFETCH(QString, address);
        QFETCH(int, length);
        const auto parsed = Ipv4Interface::parse(text.toStdString());
        QCOMPARE(parsed.ok(), length >= 0);
        if (length >= 0) {
            QCOMPARE(QString::fromStdString(parsed->address.toString()), address);
            QCOMPARE(parsed->prefixLength, length);
        }
    }

    // Every figure of a network against masks made by shifting, over random addresses.
    void networkAgreesWithArithmetic()
    {
        QRandomGenerator random(2312);
        for (int round = 0; round < 20000; ++round) {
            const std::uint32_t a = random.generate();
            const int length = int(random.bounded(33));
            const std::uint32_t mask = MaskOf(length);
            const Ipv4Network network = Ipv4Network::containing(Ipv4Address(a), length);
            const QString context = Dotted(a) + '/' + QString::number(length);
            QVERIFY2(network.address().value() == (a & mask), qPrintable(context));
            QVERIFY2(network.mask().value() == mask, qPrintable(context));
            QVERIFY2(network.broadcast().value() == ((a & mask) | ~mask), qPrintable(context));
            QVERIFY2(network.addressCount() == std::uint64_t{~mask} + 1, qPrintable(context));
            QVERIFY2(network.contains(Ipv4Address(a)), qPrintable(context));
            const std::uint32_t outside = a ^ (length ? 1u << (32 - length) : 0u);
            QVERIFY2(network.contains(Ipv4Address(outside)) == (length == 0), qPrintable(context));
            QVERIFY2(Ipv4PrefixLengthOfMask(Ipv4Address(mask)) == length, qPrintable(context));

            const auto hosts = network.hosts(round % 2 == 0);
            const std::uint32_t first = a & mask, last = first | ~mask;
            if (length <= 30) {
                QVERIFY2(hosts && hosts->first.value() == first + 1 &&
                             hosts->last.value() == last - 1,
                         qPrintable(context));
            } else if (length == 31 && round % 2 == 1) {
                QVERIFY2(!hosts, qPrintable(context));
            } else {
                QVERIFY2(hosts && hosts->first.value() == first && hosts->last.value() == last,
                         qPrintable(context));
            }

            const auto next = network.next();
            QVERIFY2(next.has_value() == (std::uint64_t{last} < 0xFFFFFFFFu), qPrintable(context));
            if (next)
                QVERIFY2(next->address().value() == last + 1 && next->prefixLength() == length,
                         qPrintable(context));
            const auto previous = network.previous();
            QVERIFY2(previous.has_value() == (first > 0), qPrintable(context));
            if (previous)
                QVERIFY2(previous->broadcast().value() == first - 1, qPrintable(context));

            const int longer = length + int(random.bounded(33 - length));
            const std::uint64_t count = network.subnetCount(longer);
            QVERIFY2(count == std::uint64_t{1} << (longer - length), qPrintable(context));
            const std::uint64_t index = random.generate64() % count;
            const Ipv4Network part = network.subnet(longer, index);
            QVERIFY2(part.address().value() == first + std::uint32_t(index << (32 - longer)) &&
                         network.contains(part) && !part.contains(network) == (longer > length),
                     qPrintable(context));
        }
    }

    // The neighbours at the ends of the address space, where random inputs seldom land.
    void neighboursAtTheEnds_data()
    {
        QTest::addColumn<QString>("network");
        QTest::addColumn<QString>("next"); // empty: none
        QTest::addColumn<QString>("previous");
        QTest::newRow("last but one /32") << "255.255.255.254/32"
                                          << "255.255.255.255/32"
                                          << "255.255.255.253/32";
        QTest::newRow("last /32") << "255.255.255.255/32"
                                  << ""
                                  << "255.255.255.254/32";
        QTest::newRow("first /32") << "0.0.0.0/32"
                                   << "0.0.0.1/32"
                                   << "";
        QTest::newRow("last /1") << "128.0.0.0/1"
                                 << ""
                                 << "0.0.0.0/1";
        QTest::newRow("everything") << "0.0.0.0/0"
                                    << ""
                                    << "";
    }
    void neighboursAtTheEnds()
    {
        QFETCH(QString, network);
        QFETCH(QString, next);
        QFETCH(QString, previous);
        const Ipv4Network parsed = *Ipv4Network::parse(network.toStdString());
        const auto text = [](const std::optional<Ipv4Network>& n) {
            return n ? QString::fromStdString(n->toString()) : QString();
        };
        QCOMPARE(text(parsed.next()), next);
        QCOMPARE(text(parsed.previous()), previous);
    }

    // Text written is text read, and the order of values is the order of numbers.
    void textRoundTripAndOrder()
    {
        QRandomGenerator random(6);
        for (int round = 0; round < 5000; ++round) {
            const Ipv4Address a(random.generate()), b(random.generate());
            const int length = int(random.bounded(33));
            QCOMPARE(*Ipv4Address::parse(a.toString()), a);
            QCOMPARE(QString::fromStdString(a.toString()), Dotted(a.value()));
            QCOMPARE(a < b, a.value() < b.value());
            const Ipv4Network network = Ipv4Network::containing(a, length);
            QCOMPARE(*Ipv4Network::parse(network.toString()), network);
        }
    }

    void wholeNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("value"); // -1: refused
        QTest::newRow("zero") << "0" << qint64(0);
        QTest::newRow("largest") << "4294967295" << qint64(4294967295);
        QTest::newRow("above") << "4294967296" << qint64(-1);
        QTest::newRow("20 digits") << "18446744073709551616" << qint64(-1);
        QTest::newRow("leading zero") << "01" << qint64(-1);
        QTest::newRow("sign") << "-1" << qint64(-1);
        QTest::newRow("blank") << "1 " << qint64(-1);
    }
    void wholeNumbers()
    {
        QFETCH(QString, text);
        QFETCH(qint64, value);
        const auto parsed = ParseWholeNumber(text.toStdString(), 0xFFFFFFFFu);
        QCOMPARE(parsed.ok(), value >= 0);
        if (value >= 0)
            QCOMPARE(qint64(*parsed), value);
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
                    const bool matches = ((k ^ address) & ~wildcard & 255) == 0;
                    if (listed[std::size_t(k)] != matches)
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
            QCOMPARE(wildcard.network().has_value(), contiguous);
            if (contiguous)
                QCOMPARE(wildcard.network()->address().value(), a & ~w);
            // The enclosing network is the smallest that holds the lowest and highest match.
            const Ipv4Address low(a & ~w), high(a | w);
            const Ipv4Network around = wildcard.enclosingNetwork();
            QVERIFY(around.contains(low) && around.contains(high));
            if (around.prefixLength() < 32)
                QVERIFY(!Ipv4Network::containing(low, around.prefixLength() + 1).contains(high));
        }
    }

    // Small ranges against the fewest blocks found by trying every split; large ones
    // for an exact, aligned tiling.
    void coverIsExactAndFewest()
    {
        // fewest[first][last] over aligned blocks inside 0..63, by dynamic programming.
        constexpr int kSpan = 64;
        std::array<std::array<int, kSpan>, kSpan> fewest{};
        for (int size = 1; size <= kSpan; ++size) {
            for (int first = 0; first + size <= kSpan; ++first) {
                const int last = first + size - 1;
                const bool aligned = std::has_single_bit(unsigned(size)) && first % size == 0;
                int best = aligned ? 1 : kSpan;
                for (int split = first; split < last; ++split)
                    best = std::min(best, fewest[first][split] + fewest[split + 1][last]);
                fewest[first][last] = best;
            }
        }
        for (int first = 0; first < kSpan; ++first) {
            for (int last = first; last < kSpan; ++last) {
                const auto cover = Ipv4CoverOfRange(Ipv4Address(first), Ipv4Address(last));
                QCOMPARE(int(cover.size()), fewest[first][last]);
            }
        }
        QRandomGenerator random(2026);
        for (int round = 0; round < 5000; ++round) {
            const std::uint32_t first = random.generate();
            const std::uint32_t span = random.generate() >> random.bounded(32);
            const std::uint32_t last = span > ~first ? ~0u : first + span;
            std::uint64_t next = first;
            for (const Ipv4Network& network :
                 Ipv4CoverOfRange(Ipv4Address(first), Ipv4Address(last))) {
                QCOMPARE(std::uint64_t{network.address().value()}, next);
                next += network.addressCount();
            }
            QCOMPARE(next, std::uint64_t{last} + 1);
        }
    }

    void classes_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<int>("addressClass");
        QTest::newRow("0") << "0.0.0.0" << int(AddressClass::A);
        QTest::newRow("127") << "127.255.255.255" << int(AddressClass::A);
        QTest::newRow("128") << "128.0.0.0" << int(AddressClass::B);
        QTest::newRow("191") << "191.255.255.255" << int(AddressClass::B);
        QTest::newRow("192") << "192.0.0.0" << int(AddressClass::C);
        QTest::newRow("223") << "223.255.255.255" << int(AddressClass::C);
        QTest::newRow("224") << "224.0.0.0" << int(AddressClass::D);
        QTest::newRow("239") << "239.255.255.255" << int(AddressClass::D);
        QTest::newRow("240") << "240.0.0.0" << int(AddressClass::E);
        QTest::newRow("255") << "255.255.255.255" << int(AddressClass::E);
    }
    void classes()
    {
        QFETCH(QString, address);
        QFETCH(int, addressClass);
        QCOMPARE(int(Ipv4ClassOf(*Ipv4Address::parse(address.toStdString()))), addressClass);
    }

    void classfulStatus_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("classful");
        QTest::addColumn<bool>("rfc3021");
        QTest::addColumn<ClassfulStatus>("status");
        QTest::newRow("mixed field")
            << "192.168.1.130/26" << 24 << false << ClassfulStatus::Subnetting;
        QTest::newRow("no field") << "192.168.1.130/24" << 24 << false
                                  << ClassfulStatus::Subnetting;
        QTest::newRow("shorter") << "192.168.1.130/23" << 24 << false
                                 << ClassfulStatus::Supernetting;
        QTest::newRow("zeros") << "10.0.0.1/16" << 8 << false << ClassfulStatus::SubnetZero;
        QTest::newRow("ones") << "172.16.255.1/24" << 16 << false << ClassfulStatus::AllOnesSubnet;
        QTest::newRow("/31") << "10.1.0.1/31" << 8 << false << ClassfulStatus::NoHosts;
        QTest::newRow("/31 p2p") << "10.1.0.1/31" << 8 << true << ClassfulStatus::PointToPoint;
        QTest::newRow("/32") << "10.1.0.1/32" << 8 << true << ClassfulStatus::NoHosts;
        QTest::newRow("/31 all ones")
            << "10.255.255.255/31" << 8 << true << ClassfulStatus::AllOnesSubnet;
    }
    void classfulStatus()
    {
        QFETCH(QString, host);
        QFETCH(int, classful);
        QFETCH(bool, rfc3021);
        QFETCH(ClassfulStatus, status);
        const auto written = *Ipv4Interface::parse(host.toStdString());
        QCOMPARE(AnalyseClassful(written.address, classful, written.prefixLength, rfc3021).status,
                 status);
    }

    void classfulFigures()
    {
        for (int classful : {8, 16, 24}) {
            for (int length = 0; length <= 32; ++length) {
                for (bool rfc3021 : {false, true}) {
                    const auto figures =
                        AnalyseClassful(Ipv4Address(0x0A000001), classful, length, rfc3021).figures;
                    QCOMPARE(figures.has_value(), length >= classful);
                    if (!figures)
                        continue;
                    const std::int64_t addresses = std::int64_t{1} << (32 - length);
                    const std::int64_t hosts =
                        length == 31 && rfc3021 ? 2 : std::max<std::int64_t>(addresses - 2, 0);
                    QCOMPARE(figures->subnetBits, length - classful);
                    QCOMPARE(figures->hostBits, 32 - length);
                    QCOMPARE(std::int64_t(figures->maxSubnets),
                             std::int64_t{1} << (length - classful));
                    QCOMPARE(std::int64_t(figures->maxHosts), hosts);
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestIpv4Core)
#include "tst_ipv4_core.moc"
