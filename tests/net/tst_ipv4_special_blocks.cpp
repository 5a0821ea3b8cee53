// The special-purpose table against the registry as it is published: each block as its
// first and last address (not as a prefix, so the table's prefixes are checked too), its
// name and its five columns; then which block a network is given.

#include "net/ipv4_special_blocks.h"

#include <QTest>

using namespace net;

namespace {

Ipv4Address Address(const char* text)
{
    return *Ipv4Address::parse(text);
}

struct RegistryRow
{
    const char* first;
    const char* last;
    const char* name;
    const char* flags; // source, destination, forwardable, global, reserved: "T"/"F"
};

// Transcribed from the IANA IPv4 Special-Purpose Address Registry, with the multicast
// range of the multicast registry.
const RegistryRow kRegistry[] = {
    {"0.0.0.0", "0.255.255.255", "This network", "TFFFT"},
    {"0.0.0.0", "0.0.0.0", "This host on this network", "TFFFT"},
    {"10.0.0.0", "10.255.255.255", "Private-Use", "TTTFF"},
    {"100.64.0.0", "100.127.255.255", "Shared Address Space", "TTTFF"},
    {"127.0.0.0", "127.255.255.255", "Loopback", "FFFFT"},
    {"169.254.0.0", "169.254.255.255", "Link Local", "TTFFT"},
    {"172.16.0.0", "172.31.255.255", "Private-Use", "TTTFF"},
    {"192.0.0.0", "192.0.0.255", "IETF Protocol Assignments", "FFFFF"},
    {"192.0.0.0", "192.0.0.7", "IPv4 Service Continuity Prefix", "TTTFF"},
    {"192.0.0.8", "192.0.0.8", "IPv4 dummy address", "TFFFF"},
    {"192.0.0.9", "192.0.0.9", "Port Control Protocol Anycast", "TTTTF"},
    {"192.0.0.10", "192.0.0.10", "Traversal Using Relays around NAT Anycast", "TTTTF"},
    {"192.0.0.170", "192.0.0.170", "NAT64/DNS64 Discovery", "FFFFT"},
    {"192.0.0.171", "192.0.0.171", "NAT64/DNS64 Discovery", "FFFFT"},
    {"192.0.2.0", "192.0.2.255", "Documentation (TEST-NET-1)", "FFFFF"},
    {"192.31.196.0", "192.31.196.255", "AS112-v4", "TTTTF"},
    {"192.52.193.0", "192.52.193.255", "AMT", "TTTTF"},
    {"192.88.99.0", "192.88.99.255", "Deprecated (6to4 Relay Anycast)", "FFFFF"},
    {"192.88.99.2", "192.88.99.2", "6a44-relay anycast address", "TTTFF"},
    {"192.168.0.0", "192.168.255.255", "Private-Use", "TTTFF"},
    {"192.175.48.0", "192.175.48.255", "Direct Delegation AS112 Service", "TTTTF"},
    {"198.18.0.0", "198.19.255.255", "Benchmarking", "TTTFF"},
    {"198.51.100.0", "198.51.100.255", "Documentation (TEST-NET-2)", "FFFFF"},
    {"203.0.113.0", "203.0.113.255", "Documentation (TEST-NET-3)", "FFFFF"},
    {"224.0.0.0", "239.255.255.255", "Multicast", "FTTFF"},
    {"240.0.0.0", "255.255.255.255", "Reserved", "FFFFT"},
    {"255.255.255.255", "255.255.255.255", "Limited Broadcast", "FTFFT"},
};

QString FlagText(const SpecialFlags& flags)
{
    QString text;
    for (bool flag : {flags.source, flags.destination, flags.forwardable, flags.globallyReachable,
                      flags.reservedByProtocol})
        text += flag ? 'T' : 'F';
    return text;
}

} // namespace

class TestIpv4SpecialBlocks : public QObject
{
    Q_OBJECT

private slots:
    void tableIsTheRegistry()
    {
        const auto blocks = Ipv4SpecialBlocks();
        QCOMPARE(blocks.size(), std::size(kRegistry));
        for (const RegistryRow& row : kRegistry) {
            const auto found = std::find_if(blocks.begin(), blocks.end(), [&](const auto& block) {
                return block.network.address() == Address(row.first) &&
                       block.network.broadcast() == Address(row.last);
            });
            QVERIFY2(found != blocks.end(), row.first);
            QCOMPARE(QString::fromLatin1(found->name.data(), qsizetype(found->name.size())),
                     QString(row.name));
            QCOMPARE(FlagText(found->flags), QString(row.flags));
        }
    }

    void blockOfNetwork_data()
    {
        QTest::addColumn<QString>("network");
        QTest::addColumn<QString>("name"); // empty: no block
        QTest::addColumn<bool>("overlaps");
        QTest::newRow("PCP anycast") << "192.0.0.9/32"
                                     << "Port Control Protocol Anycast" << true;
        QTest::newRow("TURN anycast") << "192.0.0.10/32"
                                      << "Traversal Using Relays around NAT Anycast" << true;
        QTest::newRow("in the /24 only") << "192.0.0.128/25"
                                         << "IETF Protocol Assignments" << true;
        QTest::newRow("holds finer blocks") << "192.0.0.8/30"
                                            << "IETF Protocol Assignments" << true;
        QTest::newRow("continuity") << "192.0.0.4/30"
                                    << "IPv4 Service Continuity Prefix" << true;
        QTest::newRow("this host") << "0.0.0.0/32"
                                   << "This host on this network" << true;
        QTest::newRow("this network") << "0.0.0.1/32"
                                      << "This network" << true;
        QTest::newRow("private /16") << "10.1.0.0/16"
                                     << "Private-Use" << true;
        QTest::newRow("private /8") << "10.0.0.0/8"
                                    << "Private-Use" << true;
        QTest::newRow("across private") << "10.0.0.0/7"
                                        << "" << true;
        QTest::newRow("public") << "11.0.0.0/8"
                                << "" << false;
        QTest::newRow("next to shared") << "100.63.255.255/32"
                                        << "" << false;
        QTest::newRow("6a44 relay") << "192.88.99.2/32"
                                    << "6a44-relay anycast address" << true;
        QTest::newRow("beside 6a44") << "192.88.99.3/32"
                                     << "Deprecated (6to4 Relay Anycast)" << true;
        QTest::newRow("broadcast") << "255.255.255.255/32"
                                   << "Limited Broadcast" << true;
        QTest::newRow("below broadcast") << "255.255.255.254/32"
                                         << "Reserved" << true;
        QTest::newRow("all") << "0.0.0.0/0"
                             << "" << true;
    }
    void blockOfNetwork()
    {
        QFETCH(QString, network);
        QFETCH(QString, name);
        QFETCH(bool, overlaps);
        const Ipv4Network parsed = *Ipv4Network::parse(network.toStdString());
        const Ipv4SpecialBlock* block = Ipv4SpecialBlockOf(parsed);
        QCOMPARE(block ? QString::fromLatin1(block->name.data(), qsizetype(block->name.size()))
                       : QString(),
                 name);
        QCOMPARE(Ipv4OverlapsSpecialBlock(parsed), overlaps);
    }
};

QTEST_GUILESS_MAIN(TestIpv4SpecialBlocks)
#include "tst_ipv4_special_blocks.moc"
