#include "cli/cli_run.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTest>

#include <bit>
#include <cmath>
#include <cstdint>

namespace {

QString Dotted(std::uint32_t a)
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg(a >> 24)
        .arg((a >> 16) & 255)
        .arg((a >> 8) & 255)
        .arg(a & 255);
}

CliOutcome Run(const QString& commandLine)
{
    return RunFerolCalc(commandLine.split(QLatin1Char(' '), Qt::SkipEmptyParts));
}

QJsonObject JsonOf(const QString& commandLine)
{
    const CliOutcome outcome = Run(commandLine + QStringLiteral(" --json"));
    return QJsonDocument::fromJson(outcome.out.toUtf8()).object();
}

const char kReportHeader[] =
    "Subnet          ,   Valid Hosts                       ,   Broadcast       \n";

} // namespace

class TestCliCommands : public QObject
{
    Q_OBJECT

private slots:
    void textAnswers_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("expected");
        QTest::newRow("subnet /26 in class C")
            << "192.168.1.130/26 --binary"
            << "Address:             192.168.1.130\n"
               "Block:               private use (192.168.0.0/16, Private-Use)\n"
               "Class:               Class C Address\n"
               "Mask:                255.255.255.192\n"
               "Wildcard:            0.0.0.63\n"
               "Prefix length:       26\n"
               "Network:             192.168.1.128\n"
               "Broadcast:           192.168.1.191\n"
               "First host:          192.168.1.129\n"
               "Last host:           192.168.1.190\n"
               "Hosts:               62\n"
               "Subnet bits:         2\n"
               "Maximum subnets:     4\n"
               "Maximum hosts:       62\n"
               "Host bits:           6\n"
               "Status:              Subnetting\n"
               "Host (binary):       11000000.10101000.00000001.10000010\n"
               "Mask (binary):       11111111.11111111.11111111.11000000\n"
               "Network (binary):    11000000.10101000.00000001.10000000\n"
               "Broadcast (binary):  11000000.10101000.00000001.10111111\n";
        QTest::newRow("next carries into the third octet")
            << "next 192.168.1.200/26 -n 3"
            << QString(kReportHeader) +
                   "192.168.1.192   ,   192.168.1.193 to 192.168.1.254    ,   192.168.1.255   \n"
                   "192.168.2.0     ,   192.168.2.1 to 192.168.2.62       ,   192.168.2.63    \n"
                   "192.168.2.64    ,   192.168.2.65 to 192.168.2.126     ,   192.168.2.127   \n";
        QTest::newRow("next stops at the end of the space")
            << "next 255.255.255.7/24"
            << QString(kReportHeader) +
                   "255.255.255.0   ,   255.255.255.1 to 255.255.255.254  ,   255.255.255.255 \n";
        QTest::newRow("contiguous wildcard")
            << "wildcard 172.16.128.0 0.0.31.255"
            << "Address:             172.16.128.0\nWildcard:            0.0.31.255\n"
               "Block:               private use (172.16.0.0/12, Private-Use)\n"
               "Matching addresses:  8192\nContiguous:          yes\n"
               "Prefix:              172.16.128.0/19\n"
               "Octet 1 matches:\n 172\nOctet 2 matches:\n 16\n"
               "Octet 3 matches:\n 128- 159\nOctet 4 matches:\n 0- 255\n";
        QTest::newRow("decimal of an address")
            << "decimal 192.168.1.1"
            << "Address:  192.168.1.1\nDecimal:  3232235777\n"
               "Block:    private use (192.168.0.0/16, Private-Use)\n";
        QTest::newRow("decimal of the top number")
            << "decimal 4294967295"
            << "Address:  255.255.255.255\nDecimal:  4294967295\n"
               "Block:    limited broadcast (255.255.255.255/32, Limited Broadcast)\n";
        QTest::newRow("range of one address") << "range 10.0.0.5 10.0.0.5"
                                              << "10.0.0.5/32\n";
        QTest::newRow("range of the whole space") << "range 0.0.0.0 255.255.255.255"
                                                  << "0.0.0.0/0\n";
        QTest::newRow("range at the top") << "range 255.255.255.254 255.255.255.255"
                                          << "255.255.255.254/31\n";
        QTest::newRow("range of mixed blocks")
            << "range 10.0.0.1 10.0.0.20"
            << "10.0.0.1/32\n10.0.0.2/31\n10.0.0.4/30\n10.0.0.8/29\n10.0.0.16/30\n10.0.0.20/32\n";
    }
    void textAnswers()
    {
        QFETCH(QString, commandLine);
        QFETCH(QString, expected);
        const CliOutcome outcome = Run(commandLine);
        QCOMPARE(outcome.err, QString());
        QCOMPARE(outcome.status, 0);
        QCOMPARE(outcome.out, expected);
    }

    // Each expected object lists the keys that matter for the row; the first lists all.
    void jsonAnswers_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("expected");
        QTest::newRow("limited broadcast, all keys")
            << "subnet 255.255.255.255 255.255.255.255"
            << R"({"address":"255.255.255.255","block":"limited-broadcast",
                  "block_name":"Limited Broadcast","block_prefix":"255.255.255.255/32",
                  "broadcast":"255.255.255.255","class":"Invalid IP Address",
                  "first_host":"255.255.255.255","host_bits":0,"host_count":1,
                  "last_host":"255.255.255.255","mask":"255.255.255.255","max_hosts":0,
                  "max_subnets":256,"network":"255.255.255.255","prefix_length":32,
                  "rfc3021":false,"status":"Invalid Subnet - All 1's","subnet_bits":8,
                  "wildcard":"0.0.0.0"})";
        QTest::newRow("/0 from 0.0.0.0")
            << "subnet 0.0.0.0/0"
            << R"({"block":"reserved","block_prefix":"0.0.0.0/8","mask":"0.0.0.0",
                  "wildcard":"255.255.255.255","network":"0.0.0.0","broadcast":"255.255.255.255",
                  "first_host":"0.0.0.1","last_host":"255.255.255.254","host_count":4294967294,
                  "subnet_bits":null,"max_subnets":null,"max_hosts":null,"host_bits":null,
                  "status":"Supernetting"})";
        QTest::newRow("/31 without the option")
            << "subnet 10.1.0.1/31"
            << R"({"network":"10.1.0.0","broadcast":"10.1.0.1","first_host":null,
                  "last_host":null,"host_count":0,"max_hosts":0,"subnet_bits":23,
                  "status":"Mask too long, no hosts."})";
        QTest::newRow("/31 with --rfc3021")
            << "subnet 10.1.0.1/31 --rfc3021"
            << R"({"first_host":"10.1.0.0","last_host":"10.1.0.1","host_count":2,"max_hosts":2,
                  "rfc3021":true,"status":"Subnetting as per RFC3021."})";
        QTest::newRow("/32") << "subnet 10.1.0.4/32 --rfc3021"
                             << R"({"first_host":"10.1.0.4","last_host":"10.1.0.4","host_count":1,
                                   "max_hosts":0,"wildcard":"0.0.0.0",
                                   "status":"Mask too long, no hosts."})";
        QTest::newRow("next from /0") << "next 0.0.0.0/0"
                                      << R"({"prefix_length":0,"subnets":[{"network":"0.0.0.0",
                                            "hosts":"0.0.0.1 to 255.255.255.254",
                                            "broadcast":"255.255.255.255"}]})";
        QTest::newRow("next /32 to the last address") << "next 255.255.255.254/32 -n 5"
                                                      << R"({"prefix_length":32,"subnets":[
                  {"network":"255.255.255.254","hosts":"255.255.255.254 to 255.255.255.254",
                   "broadcast":"255.255.255.254"},
                  {"network":"255.255.255.255","hosts":"255.255.255.255 to 255.255.255.255",
                   "broadcast":"255.255.255.255"}]})";
        QTest::newRow("split into /32s") << "split 10.0.0.0/31 32"
                                         << R"({"prefix_length":32,"subnets":[
                  {"network":"10.0.0.0","hosts":"10.0.0.0 to 10.0.0.0","broadcast":"10.0.0.0"},
                  {"network":"10.0.0.1","hosts":"10.0.0.1 to 10.0.0.1","broadcast":"10.0.0.1"}]})";
        QTest::newRow("wildcard with gaps")
            << "wildcard 10.0.6.10 0.0.170.5"
            << R"({"contiguous":false,"prefix":null,"match_count":64,"matches":[[" 10"],[" 0"],
                  [" 4"," 6"," 12"," 14"," 36"," 38"," 44"," 46"," 132"," 134"," 140"," 142",
                   " 164"," 166"," 172"," 174"],[" 10- 11"," 14- 15"]]})";
    }
    void jsonAnswers()
    {
        QFETCH(QString, commandLine);
        QFETCH(QString, expected);
        const QJsonObject answer = JsonOf(commandLine);
        const QJsonObject wanted = QJsonDocument::fromJson(expected.toUtf8()).object();
        QVERIFY(!wanted.isEmpty());
        if (QTest::currentDataTag() == QLatin1String("limited broadcast, all keys"))
            QCOMPARE(answer.keys(), wanted.keys());
        for (auto it = wanted.begin(); it != wanted.end(); ++it)
            QCOMPARE(answer.value(it.key()), it.value());
    }

    void emptyFirstArgumentIsWrongUsage()
    {
        const CliOutcome outcome = RunFerolCalc({QString()});
        QCOMPARE(outcome.status, 2);
        QCOMPARE(outcome.out, QString());
    }

    void specialBlocks_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("block");
        const auto row = [](const char* address, const char* block) {
            QTest::newRow(address) << QString(address) << QString(block);
        };
        row("100.63.255.255", "public");
        row("100.64.0.0", "shared-address-space");
        row("0.255.255.255", "reserved");
        row("127.0.0.1", "loopback");
        row("169.254.1.1", "link-local");
        row("172.31.255.255", "private-use");
        row("172.32.0.0", "public");
        row("192.0.2.200", "documentation");
        row("198.19.255.255", "benchmarking");
        row("198.20.0.0", "public");
        row("239.255.255.255", "multicast");
        row("255.255.255.254", "reserved");
        row("255.255.255.255", "limited-broadcast");
    }
    void specialBlocks()
    {
        QFETCH(QString, address);
        QFETCH(QString, block);
        QCOMPARE(JsonOf(address + QStringLiteral("/32")).value(QStringLiteral("block")).toString(),
                 block);
    }

    // Every figure against plain 32-bit arithmetic and the class table, half of the inputs
    // given as ADDRESS MASK.
    void subnetAgreesWithIntegerArithmetic()
    {
        QRandomGenerator random(14);
        for (int round = 0; round < 4000; ++round) {
            const std::uint32_t address = random.generate();
            const int m = random.bounded(33);
            const bool rfc = random.bounded(2) == 1;
            const std::uint32_t mask = m == 0 ? 0 : 0xFFFFFFFFu << (32 - m);
            const QString subnet = round % 2 ? Dotted(address) + '/' + QString::number(m)
                                             : Dotted(address) + ' ' + Dotted(mask);
            const QJsonObject json = JsonOf("subnet " + subnet + (rfc ? " --rfc3021" : ""));
            const std::uint32_t network = address & mask;
            const std::uint32_t broadcast = network | ~mask;
            const bool noHosts = m == 31 && !rfc;
            const std::uint32_t first = m >= 31 ? network : network + 1;
            const std::uint32_t last = m >= 31 ? broadcast : broadcast - 1;
            const int octet = int(address >> 24);
            const int s = m - (octet < 127 ? 8 : octet < 192 ? 16 : 24);
            const double hosts = m == 31 && rfc ? 2 : std::max(0.0, std::ldexp(1.0, 32 - m) - 2);
            const auto number = [](double value) {
                return QString::number(qint64(value));
            };
            const QString none;
            QStringList expected;
            expected << Dotted(mask) << Dotted(~mask) << Dotted(network) << Dotted(broadcast)
                     << number(m) << (noHosts ? none : Dotted(first))
                     << (noHosts ? none : Dotted(last))
                     << number(noHosts ? 0 : double(last) - double(first) + 1);
            if (s >= 0)
                expected << number(s) << number(std::ldexp(1.0, s)) << number(hosts)
                         << number(32 - m);
            else
                expected << none << none << none << none;
            QStringList actual;
            for (const char* key : {"mask", "wildcard", "network", "broadcast", "prefix_length",
                                    "first_host", "last_host", "host_count", "subnet_bits",
                                    "max_subnets", "max_hosts", "host_bits"}) {
                const QJsonValue value = json.value(QLatin1String(key));
                actual << (value.isDouble() ? number(value.toDouble()) : value.toString());
            }
            QCOMPARE(actual, expected);
        }
    }

    void decimalAgreesWithIntegerArithmetic()
    {
        QRandomGenerator random(4);
        for (int round = 0; round < 2000; ++round) {
            const std::uint32_t address = random.generate();
            const QJsonObject there = JsonOf("decimal " + Dotted(address));
            const QJsonObject back = JsonOf("decimal " + QString::number(address));
            QCOMPARE(there.value("decimal").toDouble(), double(address));
            QCOMPARE(back.value("address").toString(), Dotted(address));
        }
    }

    // Each octet's runs hold exactly the values whose fixed bits equal the address's.
    void wildcardAgreesWithIntegerArithmetic()
    {
        QRandomGenerator random(3);
        for (int round = 0; round < 1000; ++round) {
            const std::uint32_t address = random.generate();
            const std::uint32_t wildcard =
                round % 2 ? random.generate() : std::uint32_t(0xFFFFFFFFull >> random.bounded(33));
            const QJsonObject json = JsonOf("wildcard " + Dotted(address) + ' ' + Dotted(wildcard));
            const int anyBits = std::popcount(wildcard);
            const bool contiguous = ((std::uint64_t{wildcard} + 1) & wildcard) == 0;
            QCOMPARE(json.value("match_count").toDouble(), std::ldexp(1.0, anyBits));
            QCOMPARE(json.value("contiguous").toBool(), contiguous);
            QCOMPARE(json.value("prefix").toString(),
                     contiguous ? Dotted(address & ~wildcard) + '/' + QString::number(32 - anyBits)
                                : QString());
            for (int k = 0; k < 4; ++k) {
                const int a = int(address >> (24 - 8 * k)) & 255;
                const int fixed = ~int(wildcard >> (24 - 8 * k)) & 255;
                QList<int> expected;
                for (int v = 0; v < 256; ++v) {
                    if ((v & fixed) == (a & fixed))
                        expected << v;
                }
                QList<int> listed;
                for (const QJsonValue& line : json.value("matches").toArray().at(k).toArray()) {
                    const QStringList ends = line.toString().split('-');
                    for (int v = ends.first().toInt(); v <= ends.last().trimmed().toInt(); ++v)
                        listed << v;
                }
                QCOMPARE(listed, expected);
            }
        }
    }

    // The prefixes tile first..last in order, and none could be one bit shorter.
    void rangeIsExactAndMinimal()
    {
        QRandomGenerator random(2026);
        for (int round = 0; round < 2000; ++round) {
            const std::uint32_t first = random.generate();
            const std::uint32_t span = random.generate() >> random.bounded(32);
            const std::uint32_t last = span > ~first ? 0xFFFFFFFFu : first + span;
            const QJsonArray prefixes =
                JsonOf("range " + Dotted(first) + ' ' + Dotted(last)).value("prefixes").toArray();
            std::uint64_t next = first;
            for (const QJsonValue& value : prefixes) {
                const QStringList parts = value.toString().split('/');
                const int length = parts.at(1).toInt();
                const std::uint64_t size = std::uint64_t{1} << (32 - length);
                QCOMPARE(parts.at(0), Dotted(std::uint32_t(next)));
                QCOMPARE(next % size, 0u);
                QVERIFY(length == 0 || next % (2 * size) != 0 || next + 2 * size - 1 > last);
                next += size;
            }
            QCOMPARE(next, std::uint64_t{last} + 1);
        }
    }
};

QTEST_GUILESS_MAIN(TestCliCommands)
#include "tst_cli_commands.moc"
