// IPv6 text in and out: the RFC 4291 text forms and prefixes, the RFC 5952 canonical
// form with its examples, and the refusals, each with the reason a caller words.

#include "net/ipv6_network.h"

#include <QTest>

using net::Ipv6Address;
using net::Ipv6Network;
using net::ParseError;

Q_DECLARE_METATYPE(ParseError)

class TestIpv6Text : public QObject
{
    Q_OBJECT

private slots:
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
        row("0:0:0:0:0:0:0:1", "0000:0000:0000:0000:0000:0000:0000:0001", "::1");
        row("::", "0000:0000:0000:0000:0000:0000:0000:0000", "::");
        row("0:0:0:0:0:0:13.1.68.3", "0000:0000:0000:0000:0000:0000:0d01:4403", "::d01:4403");
        row("0:0:0:0:0:FFFF:129.144.52.38", "0000:0000:0000:0000:0000:ffff:8190:3426",
            "::ffff:129.144.52.38");
        row("64:ff9b::192.0.2.33", "0064:ff9b:0000:0000:0000:0000:c000:0221", "64:ff9b::c000:221");
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
        row("::ffff:0:0", "0000:0000:0000:0000:0000:ffff:0000:0000", "::ffff:0.0.0.0");
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

    void refused_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<ParseError>("error");
        const auto row = [](const char* name, const char* text, ParseError error) {
            QTest::newRow(name) << text << error;
        };
        row("nothing", "", ParseError::Empty);
        row("zone index", "fe80::1%eth0", ParseError::ZoneIndex);
        row("five digits", "2001:db8::12345", ParseError::OutOfRange);
        row("nine groups", "1:2:3:4:5:6:7:8:9", ParseError::Malformed);
        row("eight and ::", "1:2:3:4:5:6:7:8::", ParseError::Malformed);
        row("two ::", "1::2::3", ParseError::Malformed);
        row("lone leading colon", ":1:2:3:4:5:6:7", ParseError::Malformed);
        row("IPv4 before ::", "1.2.3.4::", ParseError::Malformed);
        row("trailing colon after ::", "1::2:", ParseError::Malformed);
        row("not hex", "2001:db8::g", ParseError::Malformed);
        row("brackets", "[::1]", ParseError::Malformed);
        row("IPv4 not last", "::1.2.3.4:5", ParseError::Malformed);
        row("IPv4 too many groups", "1:2:3:4:5:6:7:1.2.3.4", ParseError::Malformed);
        row("IPv4 octet 256", "::ffff:1.2.3.256", ParseError::OutOfRange);
        row("IPv4 leading zero", "::ffff:1.2.3.04", ParseError::LeadingZero);
    }
    void refused()
    {
        QFETCH(QString, text);
        QFETCH(ParseError, error);
        const auto address = Ipv6Address::parse(text.toStdString());
        QVERIFY(!address);
        QCOMPARE(address.error(), error);
    }

    // RFC 4291, 2.3: the legal and illegal ways of writing 2001:db8:0:cd30::/60.
    void networks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("network"); // empty when refused
        QTest::addColumn<ParseError>("error");
        const auto row = [](const char* text, const char* network, ParseError error) {
            QTest::newRow(text) << text << network << error;
        };
        const ParseError none = ParseError::Empty;
        row("2001:0DB8:0000:CD30:0000:0000:0000:0000/60", "2001:db8:0:cd30::/60", none);
        row("2001:0DB8:0:CD30::/60", "2001:db8:0:cd30::/60", none);
        row("2001:0DB8:0:CD3/60", "", ParseError::Malformed);
        row("2001:0DB8::CD30/60", "", ParseError::HostBitsSet);
        row("::/0", "::/0", none);
        row("::1", "::1/128", none);
        row("2001:db8::/129", "", ParseError::BadPrefixLength);
        row("2001:db8::/032", "", ParseError::BadPrefixLength);
        row("2001:db8::/-1", "", ParseError::BadPrefixLength);
        row("fe80::%eth0/64", "", ParseError::ZoneIndex);
    }
    void networks()
    {
        QFETCH(QString, text);
        QFETCH(QString, network);
        QFETCH(ParseError, error);
        const auto parsed = Ipv6Network::parse(text.toStdString());
        QCOMPARE(parsed ? QString::fromStdString(parsed->toString()) : QString(), network);
        if (!parsed)
            QCOMPARE(parsed.error(), error);
    }
};

QTEST_GUILESS_MAIN(TestIpv6Text)
#include "tst_ipv6_text.moc"
