// Fixed cases through the real executable, as a shell or script runs it; thousands of
// random ones against plain 32-bit arithmetic written here and, for the classful figures,
// against what the subnet tab shows.

#include "cli/cli_run.h"
#include "ferol_version.h"
#include "panelfixture.h"
#include "support/dotted.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

namespace {

// Numbers as whole-number text, null as "", so one list compares every key.
QStringList Values(const QString& commandLine, const QStringList& keys)
{
    const QJsonObject json =
        QJsonDocument::fromJson(RunFerolCalc(commandLine.split(' ') << "--json").out.toUtf8())
            .object();
    QStringList values;
    for (const QString& key : keys) {
        const QJsonValue value = json.value(key);
        values << (value.isDouble() ? QString::number(qint64(value.toDouble())) : value.toString());
    }
    return values;
}

} // namespace

class TestCliCommands : public QObject
{
    Q_OBJECT

private slots:
    // Lines are joined by '|'; "..." ends a prefix; "{...}" lists the JSON keys that matter;
    // '' is an empty argument.
    void cases_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* commandLine, int status, const QString& expected) {
            QTest::newRow(*commandLine ? commandLine : "nothing")
                << QString(commandLine) << status << expected;
        };
        row("192.168.1.130/26 --binary --json", 0,
            R"({"class":"Class C Address","host_binary":"11000000.10101000.00000001.10000010",
            "mask_binary":"11111111.11111111.11111111.11000000",
            "network_binary":"11000000.10101000.00000001.10000000",
            "broadcast_binary":"11000000.10101000.00000001.10111111"})");
        row("subnet 255.255.255.255 255.255.255.255 --json", 0,
            R"({"address":"255.255.255.255","block":"limited-broadcast","block_name":"Limited
            Broadcast","block_prefix":"255.255.255.255/32","class":"Invalid IP Address",
            "first_host":"255.255.255.255","host_count":1,"max_subnets":256,"rfc3021":false,
            "status":"Invalid Subnet - All 1's"})");
        row("subnet 10.1.0.1/31 --json", 0,
            R"({"first_host":null,"host_count":0,"status":"Mask too long, no hosts."})");
        row("subnet 10.1.0.1/31 --rfc3021 --json", 0,
            R"({"first_host":"10.1.0.0","host_count":2,"max_hosts":2,"rfc3021":true,
            "status":"Subnetting as per RFC3021."})");
        row("next 255.255.254.200/24 -n 3", 0,
            "Subnet          ,   Valid Hosts                       ,   Broadcast       |"
            "255.255.254.0   ,   255.255.254.1 to 255.255.254.254  ,   255.255.254.255 |"
            "255.255.255.0   ,   255.255.255.1 to 255.255.255.254  ,   255.255.255.255 |");
        row("split 10.0.0.0/31 32 --json", 0,
            R"({"prefix_length":32,"subnets":[{"network":"10.0.0.0","hosts":"10.0.0.0 to 10.0.0.0",
            "broadcast":"10.0.0.0"},{"network":"10.0.0.1","hosts":"10.0.0.1 to 10.0.0.1",
            "broadcast":"10.0.0.1"}]})");
        row("range 0.0.0.0 255.255.255.255", 0, "0.0.0.0/0|");
        row("wildcard 172.16.128.0 0.0.31.255", 0,
            "Address:             172.16.128.0|Wildcard:            0.0.31.255|Block:"
            "               private use (172.16.0.0/12, Private-Use)|Matching addresses:  8192|"
            "Contiguous:          yes|Prefix:              172.16.128.0/19|Octet 1 matches:| 172|"
            "Octet 2 matches:| 16|Octet 3 matches:| 128- 159|Octet 4 matches:| 0- 255|");
        row("wildcard 10.0.6.10 0.0.170.5 --json", 0,
            R"({"contiguous":false,"prefix":null,"match_count":64,"matches":[[" 10"],[" 0"],[" 4",
            " 6"," 12"," 14"," 36"," 38"," 44"," 46"," 132"," 134"," 140"," 142"," 164"," 166",
            " 172"," 174"],[" 10- 11"," 14- 15"]]})");
        row("decimal 192.168.1.1", 0, "Address:  192.168.1.1|Decimal:  3232235777|...");
        row("decimal 4294967295 --json", 0,
            R"({"address":"255.255.255.255","decimal":4294967295})");
        row("--version", 0, "ferol-calc " FEROL_VERSION "|");
        row("--help", 0, "Usage: ferol-calc COMMAND ARGUMENTS [options]|...");
        row("split 300.0.0.0 -h", 0, "Usage: ferol-calc split NETWORK/LEN NEWLEN [options]|...");
        row("subnet 010.0.0.1/8", 1, "ferol-calc subnet: '010.0.0.1' is not an IPv4 address|");
        row("subnet 10.0.0.0/33", 1, "ferol-calc subnet: '10.0.0.0/33': the prefix length...");
        row("subnet 10.0.0.0 255.0.255.0", 1, "ferol-calc subnet: '255.0.255.0' is not...");
        row("range 10.0.0.9 10.0.0.1", 1, "ferol-calc range: '10.0.0.9' is above '10.0.0.1'...");
        row("next 10.0.0.0", 1, "ferol-calc next: '10.0.0.0' needs a prefix length: ADDRESS/LEN|");
        row("next 10.0.0.0/8 -n 0", 1, "ferol-calc next: '-n 0': the count must be...");
        row("split 10.0.0.1/24 26", 1,
            "ferol-calc split: '10.0.0.1/24' is not a network address; the network is "
            "10.0.0.0/24|");
        row("split 10.0.0.0/24 23", 1,
            "ferol-calc split: '23': the new prefix length must be a number from 24 to 32|");
        row("split 0.0.0.0/0 17", 1,
            "ferol-calc split: '17': splitting /0 into /17 gives 131072 subnets, more than 65536|");
        row("wildcard 10.0.0.1 0.0.0.256", 1, "ferol-calc wildcard: '0.0.0.256' is not...");
        row("decimal 4294967296", 1, "ferol-calc decimal: '4294967296' is neither...");
        row("decimal -1", 1, "ferol-calc decimal: '-1' is neither...");
        row("", 2, "ferol-calc: no command given|Try 'ferol-calc --help'.|");
        row("''", 2, "ferol-calc: unknown command ''|Try 'ferol-calc --help'.|");
        row("subnet --bogus 1.2.3.4/8", 2,
            "ferol-calc subnet: unknown option '--bogus'|Try 'ferol-calc subnet --help'.|");
        row("range 10.0.0.1", 2,
            "ferol-calc range: expected FIRST LAST|Try 'ferol-calc range --help'.|");
        row("next 1.2.3.0/24 -n", 2,
            "ferol-calc next: option '-n' needs a value|Try 'ferol-calc next --help'.|");
    }
    void cases()
    {
        QFETCH(QString, commandLine);
        QFETCH(int, status);
        QFETCH(QString, expected);
        QStringList arguments = commandLine.split(' ', Qt::SkipEmptyParts);
        arguments.replaceInStrings(QRegularExpression("^''$"), QString());
        QProcess process;
        process.start(FEROL_CALC_PATH, arguments);
        QVERIFY(process.waitForFinished(10000));
        const QString out = process.readAllStandardOutput(), err = process.readAllStandardError();
        QCOMPARE(process.exitCode(), status);
        QCOMPARE((status ? out : err), QString()); // the other stream
        const QString answer = QString(status ? err : out).replace('\n', '|');
        if (expected.endsWith("..."))
            QCOMPARE(answer.left(expected.size() - 3), expected.chopped(3));
        else if (!expected.startsWith('{'))
            QCOMPARE(answer, expected);
        const QJsonObject json = QJsonDocument::fromJson(out.toUtf8()).object();
        const QJsonObject wanted = QJsonDocument::fromJson(expected.simplified().toUtf8()).object();
        for (auto it = wanted.begin(); it != wanted.end(); ++it)
            QCOMPARE(json.value(it.key()), it.value());
    }

    // Half of the inputs given as ADDRESS MASK.
    void subnetAgreesWithArithmeticAndTab()
    {
        Panel tab;
        auto* option = tab.panel.findChild<QCheckBox*>("chk_31bit");
        QRandomGenerator random(1406);
        for (int round = 0; round < 3000; ++round) {
            const quint32 address = random.generate();
            // Long masks are where the status varies.
            const int m = round % 3 ? random.bounded(33) : random.bounded(28, 33);
            const bool rfc = random.bounded(2) == 1;
            const quint32 mask = m == 0 ? 0 : ~0u << (32 - m);
            const QString input =
                Dotted(address) + (round % 2 ? " " + Dotted(mask) : "/" + QString::number(m));
            const QStringList got =
                Values("subnet " + input + (rfc ? " --rfc3021" : ""),
                       {"mask", "wildcard", "network", "broadcast", "prefix_length", "first_host",
                        "last_host", "host_count", "subnet_bits", "max_subnets", "max_hosts",
                        "host_bits", "status", "class"});
            const quint32 network = address & mask;
            const quint32 first = m >= 31 ? network : network + 1;
            const quint32 last = m >= 31 ? (network | ~mask) : (network | ~mask) - 1;
            const bool noHosts = m == 31 && !rfc;
            QCOMPARE(got.mid(0, 8),
                     QStringList({Dotted(mask), Dotted(~mask), Dotted(network),
                                  Dotted(network | ~mask), QString::number(m),
                                  noHosts ? "" : Dotted(first), noHosts ? "" : Dotted(last),
                                  QString::number(noHosts ? 0 : qint64(last) - first + 1)}));
            if (m == 0)
                continue; // the tab's scroll bar starts at 1
            option->setChecked(rfc);
            tab.enter(Dotted(address) + "/" + QString::number(m));
            QStringList shown;
            for (const char* name :
                 {"lbl_info_0", "lbl_info_1", "lbl_info_2", "lbl_info_3", "lbl_sub2", "sub_class"})
                shown << tab.text(name);
            QCOMPARE(got.mid(8), shown);
        }
    }

    void specialBlocks()
    {
        QStringList blocks;
        for (const char* address :
             {"100.63.255.255", "100.64.0.0", "0.255.255.255", "172.31.255.255", "172.32.0.0",
              "192.0.2.200", "198.19.255.255", "198.20.0.0", "239.255.255.255", "255.255.255.254"})
            blocks += Values(address + QString("/32"), {"block"});
        QCOMPARE(blocks.join(' '), "public shared-address-space reserved private-use public "
                                   "documentation benchmarking public multicast reserved");
    }

    // The prefixes tile first..last in order, and none could be one bit shorter.
    void rangeIsExactAndMinimal()
    {
        QRandomGenerator random(2026);
        for (int round = 0; round < 2000; ++round) {
            const quint32 first = random.generate();
            const quint32 span = random.generate() >> random.bounded(32);
            const quint32 last = span > ~first ? ~0u : first + span;
            const QStringList prefixes = RunFerolCalc({"range", Dotted(first), Dotted(last)})
                                             .out.split('\n', Qt::SkipEmptyParts);
            quint64 next = first;
            for (const QString& prefix : prefixes) {
                const int length = prefix.section('/', 1).toInt();
                const quint64 size = quint64{1} << (32 - length);
                QCOMPARE(prefix.section('/', 0, 0), Dotted(quint32(next)));
                QVERIFY(next % size == 0 &&
                        (length == 0 || next % (2 * size) != 0 || next + 2 * size - 1 > last));
                next += size;
            }
            QCOMPARE(next, quint64{last} + 1);
        }
    }
};

QTEST_MAIN(TestCliCommands)
#include "tst_cli_commands.moc"
