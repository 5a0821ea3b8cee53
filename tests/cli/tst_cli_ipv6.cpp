// ferol-calc's IPv6 answers and its vlsm plans, through the whole command line: fixed
// cases with the exact text or JSON keys, counts that JSON carries as numbers up to 2^53
// and as decimal strings beyond, a batch that mixes both families, and a refused plan
// that leaves standard output empty.

#include "cli/cli_run.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>

namespace {

struct Answer
{
    int status = -1;
    QString out;
    QString err;
};

Answer Run(const QString& commandLine)
{
    std::vector<std::string> arguments;
    for (const QString& argument : commandLine.split(' ', Qt::SkipEmptyParts))
        arguments.push_back(argument.toStdString());
    std::string out, err;
    const CliIo io{[](std::string&) { return false; },
                   [&out](std::string_view text) { out += text; },
                   [&err](std::string_view text) {
                       err += text;
                   }};
    const int status = RunFerolCalc(arguments, io);
    return {status, QString::fromStdString(out), QString::fromStdString(err)};
}

Answer RunProcess(const QString& commandLine, const QByteArray& input)
{
    QProcess process;
    process.start(FEROL_CALC_PATH, commandLine.split(' ', Qt::SkipEmptyParts));
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(10000))
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

} // namespace

class TestCliIpv6 : public QObject
{
    Q_OBJECT

private slots:
    // The whole text written: standard output on an answer, standard error otherwise.
    void texts_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* name, const char* commandLine, int status,
                            const char* text) {
            QTest::newRow(name) << QString(commandLine) << status << QString(text);
        };
        row("summary", "2001:db8::1/64", 0,
            "Address:        2001:db8::1\n"
            "Expanded:       2001:0db8:0000:0000:0000:0000:0000:0001\n"
            "Block:          documentation (2001:db8::/32, Documentation)\n"
            "Prefix length:  64\n"
            "Network:        2001:db8::\n"
            "Last address:   2001:db8::ffff:ffff:ffff:ffff\n"
            "Addresses:      18446744073709551616\n"
            "Reverse zone:   0.0.0.0.0.0.0.0.8.b.d.0.1.0.0.2.ip6.arpa\n");
        row("mapped", "::ffff:192.0.2.1", 0,
            "Address:        ::ffff:192.0.2.1\n"
            "Expanded:       0000:0000:0000:0000:0000:ffff:c000:0201\n"
            "IPv4-mapped:    192.0.2.1\n"
            "Block:          ipv4 mapped (::ffff:0.0.0.0/96, IPv4-mapped Address)\n"
            "Prefix length:  128\n"
            "Network:        ::ffff:192.0.2.1\n"
            "Last address:   ::ffff:192.0.2.1\n"
            "Addresses:      1\n"
            "Reverse zone:   "
            "1.0.2.0.0.0.0.c.f.f.f.f.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.ip6.arpa\n");
        row("split", "split 2001:db8::/62 64", 0,
            "Network                                     Last address                            "
            "Addresses\n"
            "2001:db8::/64                               2001:db8::ffff:ffff:ffff:ffff           "
            "18446744073709551616\n"
            "2001:db8:0:1::/64                           2001:db8:0:1:ffff:ffff:ffff:ffff        "
            "18446744073709551616\n"
            "2001:db8:0:2::/64                           2001:db8:0:2:ffff:ffff:ffff:ffff        "
            "18446744073709551616\n"
            "2001:db8:0:3::/64                           2001:db8:0:3:ffff:ffff:ffff:ffff        "
            "18446744073709551616\n");
        row("next stops at the end", "next ffff:ffff:ffff:ffff:ffff:ffff:ffff:fffd/127 -n 5", 0,
            "Network                                     Last address                            "
            "Addresses\n"
            "ffff:ffff:ffff:ffff:ffff:ffff:ffff:fffc/127 ffff:ffff:ffff:ffff:ffff:ffff:ffff:fffd "
            "2\n"
            "ffff:ffff:ffff:ffff:ffff:ffff:ffff:fffe/127 ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff "
            "2\n");
        row("range", "range 2001:db8::1 2001:db8::ff", 0,
            "2001:db8::1/128\n2001:db8::2/127\n2001:db8::4/126\n2001:db8::8/125\n"
            "2001:db8::10/124\n2001:db8::20/123\n2001:db8::40/122\n2001:db8::80/121\n");
        row("decimal of an address", "decimal 2001:db8::1", 0,
            "Address:   2001:db8::1\n"
            "Expanded:  2001:0db8:0000:0000:0000:0000:0000:0001\n"
            "Decimal:   42540766411282592856903984951653826561\n"
            "Block:     documentation (2001:db8::/32, Documentation)\n");
        row("a number as IPv6", "decimal 4294967296 --ipv6", 0,
            "Address:   ::1:0:0\n"
            "Expanded:  0000:0000:0000:0000:0000:0001:0000:0000\n"
            "Decimal:   4294967296\n"
            "Block:     public\n");
        row("--ipv6 for a small one", "decimal 1 --ipv6", 0,
            "Address:   ::1\nExpanded:  0000:0000:0000:0000:0000:0000:0000:0001\n"
            "Decimal:   1\nBlock:     loopback (::1/128, Loopback Address)\n");
        row("vlsm", "vlsm 192.168.1.0/24 10 50 2 25", 0,
            "Network                 Needed       Hosts  First host       Last host        "
            "Broadcast\n"
            "192.168.1.0/26              50          62  192.168.1.1      192.168.1.62     "
            "192.168.1.63\n"
            "192.168.1.64/27             25          30  192.168.1.65     192.168.1.94     "
            "192.168.1.95\n"
            "192.168.1.96/28             10          14  192.168.1.97     192.168.1.110    "
            "192.168.1.111\n"
            "192.168.1.112/30             2           2  192.168.1.113    192.168.1.114    "
            "192.168.1.115\n"
            "\nUnused: 192.168.1.116/30 192.168.1.120/29 192.168.1.128/25\n");
        row("vlsm full", "vlsm 10.0.0.0/30 2", 0,
            "Network                 Needed       Hosts  First host       Last host        "
            "Broadcast\n"
            "10.0.0.0/30                  2           2  10.0.0.1         10.0.0.2         "
            "10.0.0.3\n"
            "\nUnused: none\n");
        row("vlsm missing addresses", "vlsm 10.0.0.0/24 126 126 1", 1,
            "ferol-calc vlsm: the networks for these hosts take 260 addresses and 10.0.0.0/24 "
            "holds 256: 4 addresses missing\n");
        row("vlsm /31 needs RFC 3021", "vlsm 10.0.0.0/31 2", 1,
            "ferol-calc vlsm: the networks for these hosts take 4 addresses and 10.0.0.0/31 "
            "holds 2: 2 addresses missing\n");
        row("vlsm host bits", "vlsm 10.0.0.1/24 5", 1,
            "ferol-calc vlsm: '10.0.0.1/24' is not a network address; the network is "
            "10.0.0.0/24\n");
        row("vlsm no hosts", "vlsm 10.0.0.0/24 0", 1,
            "ferol-calc vlsm: '0': a count of hosts must be a number from 1 to 4294967295\n");
        row("vlsm without needs", "vlsm 10.0.0.0/24", 2,
            "ferol-calc vlsm: expected NETWORK/LEN HOSTS...\nTry 'ferol-calc vlsm --help'.\n");
        row("vlsm is IPv4", "vlsm 2001:db8::/64 10", 1,
            "ferol-calc vlsm: '2001:db8::/64': vlsm works on IPv4 only\n");
        row("wildcard is IPv4", "wildcard 10.0.0.0 ::ff", 1,
            "ferol-calc wildcard: '::ff': wildcard works on IPv4 only\n");
        row("zone index", "fe80::1%eth0/64", 1,
            "ferol-calc subnet: 'fe80::1%eth0/64': a zone index (the part from '%') names a link "
            "of this host, not an address; leave it out\n");
        row("prefix length", "split 2001:db8::/32 129", 1,
            "ferol-calc split: '129': the new prefix length must be a number from 32 to 128\n");
        row("too many subnets", "split 2001:db8::/32 49", 1,
            "ferol-calc split: '49': splitting /32 into /49 gives 131072 subnets, more than "
            "65536\n");
        row("split needs a network", "split 2001:db8::1/64 65", 1,
            "ferol-calc split: '2001:db8::1/64' is not a network address; the network is "
            "2001:db8::/64\n");
        row("range of two families", "range 10.0.0.1 ::1", 1,
            "ferol-calc range: '10.0.0.1' and '::1' are not of one address family\n");
        row("no mask for IPv6", "subnet 2001:db8:: ffff::", 2,
            "ferol-calc subnet: expected ADDRESS/LEN (an IPv6 address takes no mask)\n"
            "Try 'ferol-calc subnet --help'.\n");
        row("decimal beyond 128 bits", "decimal 340282366920938463463374607431768211456 --ipv6", 1,
            "ferol-calc decimal: '340282366920938463463374607431768211456' is neither an IPv6 "
            "address nor a number from 0 to 340282366920938463463374607431768211455\n");
    }
    void texts()
    {
        QFETCH(QString, commandLine);
        QFETCH(int, status);
        QFETCH(QString, text);
        const Answer answer = Run(commandLine);
        QCOMPARE(answer.status, status);
        QCOMPARE(status == 0 ? answer.out : answer.err, text);
        QVERIFY((status == 0 ? answer.err : answer.out).isEmpty());
    }

    void json_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("expected"); // the keys that matter
        QTest::newRow("whole space") << "::/0"
                                     << R"({"network":"::","last_address":
            "ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff",
            "address_count":"340282366920938463463374607431768211456","reverse_zone":"ip6.arpa",
            "block":"mixed","ipv4_mapped":null})";
        QTest::newRow("2^53 is a number") << "2001:db8::/75"
                                          << R"({"address_count":9007199254740992})";
        QTest::newRow("2^54 is a string") << "2001:db8::/74"
                                          << R"({"address_count":"18014398509481984"})";
        QTest::newRow("decimal string") << "decimal 8000::"
                                        << R"({"decimal":
            "170141183460469231731687303715884105728","block":"public"})";
        QTest::newRow("decimal 2^53 is a number") << "decimal ::20:0:0:0"
                                                  << R"({"decimal":9007199254740992})";
        QTest::newRow("next rows") << "next 2001:db8::/127 -n 2"
                                   << R"({"prefix_length":127,"subnets":[{"network":"2001:db8::",
            "prefix_length":127,"last_address":"2001:db8::1","address_count":2},
            {"network":"2001:db8::2","prefix_length":127,"last_address":"2001:db8::3",
            "address_count":2}]})";
        QTest::newRow("range count")
            << "range :: ffff:ffff:ffff:ffff:ffff:ffff:ffff:fffe"
            << R"({"address_count":"340282366920938463463374607431768211455"})";
        QTest::newRow("vlsm under RFC 3021") << "vlsm 10.0.0.0/29 1 2 2 --rfc3021"
                                             << R"({"network":"10.0.0.0/29","rfc3021":true,
            "subnets":[{"hosts_needed":2,"network":"10.0.0.0","prefix_length":31,
            "first_host":"10.0.0.0","last_host":"10.0.0.1","host_count":2,"broadcast":"10.0.0.1"},
            {"hosts_needed":2,"network":"10.0.0.2","prefix_length":31,"first_host":"10.0.0.2",
            "last_host":"10.0.0.3","host_count":2,"broadcast":"10.0.0.3"},
            {"hosts_needed":1,"network":"10.0.0.4","prefix_length":32,"first_host":"10.0.0.4",
            "last_host":"10.0.0.4","host_count":1,"broadcast":"10.0.0.4"}],
            "unused":["10.0.0.5/32","10.0.0.6/31"]})";
    }
    void json()
    {
        QFETCH(QString, commandLine);
        QFETCH(QString, expected);
        const Answer answer = Run(commandLine + " --json");
        QCOMPARE(answer.status, 0);
        const QJsonObject actual = QJsonDocument::fromJson(answer.out.toUtf8()).object();
        const QJsonObject wanted = QJsonDocument::fromJson(expected.toUtf8()).object();
        QVERIFY(!wanted.isEmpty());
        for (auto key = wanted.begin(); key != wanted.end(); ++key) {
            QVERIFY2(actual.contains(key.key()), qPrintable(key.key()));
            QCOMPARE(actual.value(key.key()), key.value());
        }
    }

    // Counts of every prefix length: exact, and a JSON number exactly when it is at most
    // 2^53, which every JSON reader holds without rounding.
    void countsOfEveryLength()
    {
        for (int length = 0; length <= 128; ++length) {
            const quint64 random = QRandomGenerator::global()->generate64();
            const QString network =
                QStringLiteral("%1::/%2").arg(random >> 48 & 0xfffe, 0, 16).arg(length);
            const QJsonValue count =
                QJsonDocument::fromJson(Run(network + " --json").out.toUtf8())["address_count"];
            const int hostBits = 128 - length;
            QCOMPARE(count.isDouble(), hostBits <= 53);
            QString expected = "1";
            for (int bit = 0; bit < hostBits; ++bit) {
                int carry = 0;
                for (qsizetype k = expected.size() - 1; k >= 0; --k) {
                    const int digit = expected[k].digitValue() * 2 + carry;
                    expected[k] = QChar('0' + digit % 10);
                    carry = digit / 10;
                }
                if (carry)
                    expected.prepend('1');
            }
            QCOMPARE(count.isDouble() ? QString::number(qint64(count.toDouble()))
                                      : count.toString(),
                     expected);
        }
    }

    void batchMixesFamilies()
    {
        const Answer answer =
            RunProcess("subnet - --json", "10.1.0.0/16\n2001:db8::/48\nfe80::1%eth0\n::1\n");
        QCOMPARE(answer.status, 1);
        const QStringList lines = answer.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QCOMPARE(QJsonDocument::fromJson(lines[0].toUtf8())["broadcast"].toString(),
                 "10.1.255.255");
        QCOMPARE(QJsonDocument::fromJson(lines[1].toUtf8())["last_address"].toString(),
                 "2001:db8:0:ffff:ffff:ffff:ffff:ffff");
        QCOMPARE(QJsonDocument::fromJson(lines[2].toUtf8())["block"].toString(), "loopback");
        QVERIFY(answer.err.startsWith("ferol-calc subnet: line 3: 'fe80::1%eth0': a zone index"));
    }

    void refusedPlanWritesNothing()
    {
        const Answer answer = RunProcess("vlsm 192.168.0.0/24 100 100 100 --json", {});
        QCOMPARE(answer.status, 1);
        QCOMPARE(answer.out, QString());
        QVERIFY(answer.err.contains("128 addresses missing"));
    }
};

QTEST_GUILESS_MAIN(TestCliIpv6)
#include "tst_cli_ipv6.moc"
