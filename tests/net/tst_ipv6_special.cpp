// The IPv6 special-purpose blocks: a network is named by the most specific block that
// holds all of it, and by none when it spills out of every block.

#include "net/ipv6_special.h"

#include <QTest>

using net::Ipv6Network;
using net::Ipv6SpecialBlockOf;
using net::SpecialFlags;

Q_DECLARE_METATYPE(SpecialFlags)

class TestIpv6Special : public QObject
{
    Q_OBJECT

private slots:
    void blockOf_data()
    {
        QTest::addColumn<QString>("network");
        QTest::addColumn<QString>("block"); // the block's own network, empty for none
        QTest::addColumn<QString>("name");
        const auto row = [](const char* network, const char* block, const char* name) {
            QTest::newRow(network) << network << block << name;
        };
        row("::/128", "::/128", "Unspecified Address");
        row("::/127", "", "");
        row("::ffff:10.0.0.0/104", "::ffff:0.0.0.0/96", "IPv4-mapped Address");
        row("64:ff9b:1:2::/64", "64:ff9b:1::/48", "IPv4-IPv6 Translat.");
        row("100::/63", "", "");
        row("2001::/22", "", "");
        row("2001:1::/48", "2001::/23", "IETF Protocol Assignments");
        row("2001:1::1/128", "2001:1::1/128", "Port Control Protocol Anycast");
        row("2001:1::/126", "2001::/23", "IETF Protocol Assignments");
        row("2001:0:1::/48", "2001::/32", "TEREDO");
        row("2001:4:112::/48", "2001:4:112::/48", "AS112-v6");
        row("2001:db8:ffff::1/128", "2001:db8::/32", "Documentation");
        row("2001:db8::/31", "", "");
        row("3fff:fff::/32", "3fff::/20", "Documentation");
        row("3fff:1000::/32", "", "");
        row("fd12:3456::/32", "fc00::/7", "Unique-Local");
        row("febf::/16", "fe80::/10", "Link-Local Unicast");
        row("fec0::/10", "", "");
        row("ff02::1/128", "ff00::/8", "Multicast");
        row("2600::/12", "", "");
    }
    void blockOf()
    {
        QFETCH(QString, network);
        QFETCH(QString, block);
        QFETCH(QString, name);
        const auto* found = Ipv6SpecialBlockOf(Ipv6Network::parse(network.toStdString()).value());
        QCOMPARE(found ? QString::fromStdString(found->network.toString()) : QString(), block);
        QCOMPARE(found ? QString::fromUtf8(found->name.data(), qsizetype(found->name.size()))
                       : QString(),
                 name);
    }

    void flags_data()
    {
        QTest::addColumn<QString>("network");
        QTest::addColumn<SpecialFlags>("flags");
        // Source, destination, forwardable, globally reachable, reserved by protocol.
        const auto row = [](const char* name, const char* network, SpecialFlags flags) {
            QTest::newRow(name) << network << flags;
        };
        row("unspecified", "::/128", {true, false, false, false, true});
        row("teredo", "2001::/32", {true, true, true, false, false});
        row("PCP anycast", "2001:1::1/128", {true, true, true, true, false});
        row("link local", "fe80::/10", {true, true, false, false, true});
    }
    void flags()
    {
        QFETCH(QString, network);
        QFETCH(SpecialFlags, flags);
        const auto* block = Ipv6SpecialBlockOf(Ipv6Network::parse(network.toStdString()).value());
        QVERIFY(block);
        QVERIFY(block->flags == flags);
    }

    void overlaps_data()
    {
        QTest::addColumn<QString>("network");
        QTest::addColumn<bool>("overlaps");
        QTest::newRow("holds the documentation block") << "2001::/16" << true;
        QTest::newRow("inside unique-local") << "fd00::/8" << true;
        QTest::newRow("global unicast") << "2400::/8" << false;
        QTest::newRow("beside 3fff::/20") << "3fff:1000::/20" << false;
    }
    void overlaps()
    {
        QFETCH(QString, network);
        QFETCH(bool, overlaps);
        QCOMPARE(net::Ipv6OverlapsSpecialBlock(Ipv6Network::parse(network.toStdString()).value()),
                 overlaps);
    }
};

QTEST_GUILESS_MAIN(TestIpv6Special)
#include "tst_ipv6_special.moc"
