// ferol-calc's IPv6 answers and its vlsm plans through the whole command line, beside the
// README examples that calc_readme_examples runs: exact texts and JSON keys, counts that
// JSON carries as numbers up to 2^53 and as decimal strings beyond, a batch that mixes
// both families, and a refused plan that leaves standard output empty.

#include "cli/cli_run.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
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
        row("a number as IPv6", "decimal 4294967296 --ipv6", 0,
            "Address:   ::1:0:0\n"
            "Expanded:  0000:0000:0000:0000:0000:0001:0000:0000\n"
            "Decimal:   4294967296\n"
            "Block:     public\n");
        row("vlsm no hosts", "vlsm 10.0.0.0/24 0", 1,
            "ferol-calc vlsm: '0': a count of hosts must be a number from 1 to 4294967295\n");
        row("vlsm is IPv4", "vlsm 2001:db8::/64 10", 1,
            "ferol-calc vlsm: '2001:db8::/64': vlsm works on IPv4 only\n");
        row("wildcard is IPv4", "wildcard 10.0.0.0 ::ff", 1,
            "ferol-calc wildcard: '::ff': wildcard works on IPv4 only\n");
        row("zone index", "fe80::1%eth0/64", 1,
            "ferol-calc subnet: 'fe80::1%eth0/64': a zone index (the part from '%') names a link "
            "of this host, not an address; leave it out\n");
        row("too many subnets", "split 2001:db8::/32 49", 1,
            "ferol-calc split: '49': splitting /32 into /49 gives 131072 subnets, more than "
            "65536\n");
        row("split needs a network", "split 2001:db8::1/64 65", 1,
            "ferol-calc split: '2001:db8::1/64' is not a network address; the network is "
            "2001:db8::/64\n");
        row("range of two families", "range 10.0.0.1 ::1", 1,
            "ferol-calc range: '10.0.0.1' and '::1' are not of one address family\n");
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
        QTest::newRow("decimal 2^53 is a number") << "decimal ::20:0:0:0"
                                                  << R"({"decimal":9007199254740992})";
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
