// The IPv6 special-purpose blocks: a network is named by the most specific block that
// holds all of it, and by none when it spills out of every block.

#include "net/ipv6_special.h"

#include <QTest>

using net::FindSpecialBlock;
using net::Ipv6Network;
using net::RegistryFlag;

Q_DECLARE_METATYPE(RegistryFlag)

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
        row("::1/128", "::1/128", "Loopback Address");
        row("::/127", "", "");
        row("::ffff:10.0.0.0/104", "::ffff:0.0.0.0/96", "IPv4-mapped Address");
        row("64:ff9b::c000:221/128", "64:ff9b::/96", "IPv4-IPv6 Translat.");
        row("64:ff9b:1:2::/64", "64:ff9b:1::/48", "IPv4-IPv6 Translat.");
        row("100::/64", "100::/64", "Discard-Only Address Block");
        row("100::/63", "", "");
        row("100:0:0:1::5/128", "100:0:0:1::/64", "Dummy IPv6 Prefix");
        row("2001::/22", "", "");
        row("2001:1::/48", "2001::/23", "IETF Protocol Assignments");
        row("2001:1::1/128", "2001:1::1/128", "Port Control Protocol Anycast");
        row("2001:1::2/128", "2001:1::2/128", "Traversal Using Relays around NAT Anycast");
        row("2001:1::/126", "2001::/23", "IETF Protocol Assignments");
        row("2001:0:1::/48", "2001::/32", "TEREDO");
        row("2001:2::/48", "2001:2::/48", "Benchmarking");
        row("2001:3:1::/48", "2001:3::/32", "AMT");
        row("2001:4:112::/48", "2001:4:112::/48", "AS112-v6");
        row("2001:10::/28", "2001:10::/28", "Deprecated (previously ORCHID)");
        row("2001:20::/28", "2001:20::/28", "ORCHIDv2");
        row("2001:30::/28", "2001:30::/28", "Drone Remote ID Protocol Entity Tags (DETs) Prefix");
        row("2001:db8::/32", "2001:db8::/32", "Documentation");
        row("2001:db8:ffff::1/128", "2001:db8::/32", "Documentation");
        row("2001:db8::/31", "", "");
        row("2002:c000:204::/48", "2002::/16", "6to4");
        row("2620:4f:8000::/48", "2620:4f:8000::/48", "Direct Delegation AS112 Service");
        row("3fff:fff::/32", "3fff::/20", "Documentation");
        row("3fff:1000::/32", "", "");
        row("5f00:1::/32", "5f00::/16", "Segment Routing (SRv6) SIDs");
        row("fd12:3456::/32", "fc00::/7", "Unique-Local");
        row("fe80::/10", "fe80::/10", "Link-Local Unicast");
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
        const auto* found = FindSpecialBlock(Ipv6Network::parse(network.toStdString()).value());
        QCOMPARE(found ? QString::fromStdString(found->network.toString()) : QString(), block);
        QCOMPARE(found ? QString::fromUtf8(found->name.data(), qsizetype(found->name.size()))
                       : QString(),
                 name);
    }

    // Source, destination, forwardable, globally reachable, reserved by protocol.
    void flags_data()
    {
        QTest::addColumn<QString>("network");
        QTest::addColumn<QList<RegistryFlag>>("flags");
        const RegistryFlag F = RegistryFlag::False;
        const RegistryFlag T = RegistryFlag::True;
        const RegistryFlag NA = RegistryFlag::NotApplicable;
        QTest::newRow("unspecified") << "::/128" << QList{T, F, F, F, T};
        QTest::newRow("loopback") << "::1/128" << QList{F, F, F, F, T};
        QTest::newRow("teredo") << "2001::/32" << QList{T, T, T, NA, F};
        QTest::newRow("PCP anycast") << "2001:1::1/128" << QList{T, T, T, T, F};
        QTest::newRow("IETF assignments") << "2001:1::/48" << QList{F, F, F, F, F};
        QTest::newRow("dummy prefix") << "100:0:0:1::/64" << QList{T, T, F, F, F};
        QTest::newRow("unique local") << "fc00::/7" << QList{T, T, T, F, F};
        QTest::newRow("link local") << "fe80::/10" << QList{T, T, F, F, T};
    }
    void flags()
    {
        QFETCH(QString, network);
        QFETCH(QList<RegistryFlag>, flags);
        const auto* block = FindSpecialBlock(Ipv6Network::parse(network.toStdString()).value());
        QVERIFY(block);
        QCOMPARE((QList{block->source, block->destination, block->forwardable,
                        block->globallyReachable, block->reservedByProtocol}),
                 flags);
    }
};

QTEST_GUILESS_MAIN(TestIpv6Special)
#include "tst_ipv6_special.moc"
