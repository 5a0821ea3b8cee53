// ferol-calc through the whole command line: fixed cases through the real executable, as
// a shell or script runs it, with the exact text or the JSON keys that matter; batches
// with good and bad lines; and thousands of random inputs in the process against plain
// 32-bit arithmetic written here and, for the classful figures of classes A to C, against
// what the subnet tab shows.

#include "cli/cli_run.h"
#include "ferol_version.h"
#include "panelfixture.h"
#include "support/dotted.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryFile>
#include <QTest>

namespace {

struct Answer
{
    int status = -1;
    QString out;
    QString err;
};

// Words split at blanks; '' stands for an empty argument.
QStringList Arguments(const QString& commandLine)
{
    QStringList arguments = commandLine.split(' ', Qt::SkipEmptyParts);
    for (QString& argument : arguments) {
        if (argument == "''")
            argument.clear();
    }
    return arguments;
}

Answer RunProcess(const QString& commandLine, const QByteArray& input = {})
{
    QProcess process;
    process.start(FEROL_CALC_PATH, Arguments(commandLine));
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(10000))
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

Answer RunInProcess(const QString& commandLine)
{
    std::vector<std::string> arguments;
    for (const QString& argument : Arguments(commandLine))
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

QJsonObject JsonOf(const QString& text)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        qWarning() << "not a JSON object:" << error.errorString() << text;
    return document.object();
}

const QString kRows4 =
    "Network             First host       Last host             Hosts  Broadcast\n";
const QString kRows6 = "Network                                     Last address"
                       "                            Addresses\n";

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    // The whole text of the one stream that is written: standard output on an answer,
    // standard error otherwise; a row ending in "..." gives only the beginning.
    void texts_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* name, const char* commandLine, int status,
                            const QString& text) {
            QTest::newRow(name) << QString(commandLine) << status << text;
        };
        row("split rows", "split 10.0.0.0/24 26", 0,
            kRows4 +
                "10.0.0.0/26         10.0.0.1         10.0.0.62                62  10.0.0.63\n"
                "10.0.0.64/26        10.0.0.65        10.0.0.126               62  10.0.0.127\n"
                "10.0.0.128/26       10.0.0.129       10.0.0.190               62  10.0.0.191\n"
                "10.0.0.192/26       10.0.0.193       10.0.0.254               62  10.0.0.255\n");
        row("next stops at the end", "next 255.255.254.200/24 -n 3", 0,
            kRows4 + "255.255.254.0/24    255.255.254.1    255.255.254.254         254  "
                     "255.255.254.255\n"
                     "255.255.255.0/24    255.255.255.1    255.255.255.254         254  "
                     "255.255.255.255\n");
        row("range", "range 10.0.0.1 10.0.0.6", 0,
            "10.0.0.1/32\n10.0.0.2/31\n10.0.0.4/31\n10.0.0.6/32\n");
        row("wildcard ranges", "wildcard 172.16.128.0 0.0.31.255", 0,
            "Address:             172.16.128.0\nWildcard:            0.0.31.255\n"
            "Block:               private use (172.16.0.0/12, Private-Use)\n"
            "Matching addresses:  8192\nContiguous:          yes\n"
            "Prefix:              172.16.128.0/19\nOctet 1 matches: 172\nOctet 2 matches: 16\n"
            "Octet 3 matches: 128-159\nOctet 4 matches: 0-255\n");
        row("decimal", "decimal 192.168.1.1", 0,
            "Address:  192.168.1.1\nDecimal:  3232235777\n"
            "Block:    private use (192.168.0.0/16, Private-Use)\n");
        row("across blocks", "10.0.0.0/7", 0,
            "Address:          10.0.0.0\nBlock:            mixed (holds special-purpose "
            "blocks)\n...");
        row("version", "--version", 0, "ferol-calc " FEROL_VERSION "\n");
        row("help", "--help", 0, "Usage: ferol-calc COMMAND ARGUMENTS [options]\n...");
        row("help beats a bad argument", "split 300.0.0.0 -h", 0,
            "Usage: ferol-calc split NETWORK/LEN NEWLEN [options]\n...");
        row("IPv6 mapped", "::ffff:192.0.2.1", 0,
            "Address:        ::ffff:192.0.2.1\n"
            "Expanded:       0000:0000:0000:0000:0000:ffff:c000:0201\n"
            "IPv4-mapped:    192.0.2.1\n"
            "Block:          ipv4 mapped (::ffff:0.0.0.0/96, IPv4-mapped Address)\n"
            "Prefix length:  128\nNetwork:        ::ffff:192.0.2.1\n"
            "Last address:   ::ffff:192.0.2.1\nAddresses:      1\nReverse zone:   "
            "1.0.2.0.0.0.0.c.f.f.f.f.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.ip6.arpa\n");
        row("IPv6 split", "split 2001:db8::/63 64", 0,
            kRows6 + "2001:db8::/64                               2001:db8::ffff:ffff:ffff:ffff    "
                     "       "
                     "18446744073709551616\n"
                     "2001:db8:0:1::/64                           2001:db8:0:1:ffff:ffff:ffff:ffff "
                     "       "
                     "18446744073709551616\n");
        row("IPv6 next stops at the end", "next ffff:ffff:ffff:ffff:ffff:ffff:ffff:fffd/127 -n 5",
            0,
            kRows6 + "ffff:ffff:ffff:ffff:ffff:ffff:ffff:fffc/127 "
                     "ffff:ffff:ffff:ffff:ffff:ffff:ffff:fffd "
                     "2\n"
                     "ffff:ffff:ffff:ffff:ffff:ffff:ffff:fffe/127 "
                     "ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff "
                     "2\n");
        row("IPv6 range", "range 2001:db8::1 2001:db8::7", 0,
            "2001:db8::1/128\n2001:db8::2/127\n2001:db8::4/126\n");
        row("decimal of IPv6", "decimal 2001:db8::1", 0,
            "Address:   2001:db8::1\nExpanded:  2001:0db8:0000:0000:0000:0000:0000:0001\n"
            "Decimal:   42540766411282592856903984951653826561\n"
            "Block:     documentation (2001:db8::/32, Documentation)\n");
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
        row("octal-looking", "subnet 010.0.0.1/8", 1,
            "ferol-calc subnet: '010.0.0.1' is not an IPv4 address\n");
        row("/33", "subnet 10.0.0.0/33", 1,
            "ferol-calc subnet: '10.0.0.0/33': the prefix length must be a number from 0 to 32\n");
        row("gap mask", "subnet 10.0.0.0 255.0.255.0", 1,
            "ferol-calc subnet: '255.0.255.0' is not a subnet mask (leading one bits, then "
            "zeros)\n");
        row("length as mask", "subnet 10.0.0.0 24", 1,
            "ferol-calc subnet: '24' is not a subnet mask (leading one bits, then zeros)\n");
        row("range reversed", "range 10.0.0.9 10.0.0.1", 1,
            "ferol-calc range: '10.0.0.9' is above '10.0.0.1': FIRST must not be above LAST\n");
        row("count 0", "next 10.0.0.0/8 -n 0", 1,
            "ferol-calc next: '-n 0': the count must be a number from 1 to 65536\n");
        row("host bits", "split 10.0.0.1/24 26", 1,
            "ferol-calc split: '10.0.0.1/24' is not a network address; the network is "
            "10.0.0.0/24\n");
        row("too many", "split 0.0.0.0/0 17", 1,
            "ferol-calc split: '17': splitting /0 into /17 gives 131072 subnets, more than "
            "65536\n");
        row("decimal -1", "decimal -1", 1, "ferol-calc decimal: '-1' is neither...");
        row("missing file", "subnet --file /nonexistent/nets", 1,
            "ferol-calc subnet: cannot read '/nonexistent/nets': No such file or directory\n");
        row("vlsm missing addresses", "vlsm 10.0.0.0/24 126 126 1 --json", 1,
            "ferol-calc vlsm: the networks for these hosts take 260 addresses and 10.0.0.0/24 "
            "holds 256: 4 addresses missing\n");
        row("vlsm is IPv4", "vlsm 2001:db8::/64 10", 1,
            "ferol-calc vlsm: '2001:db8::/64': vlsm works on IPv4 only\n");
        row("zone index", "fe80::1%eth0/64", 1,
            "ferol-calc subnet: 'fe80::1%eth0/64': a zone index (the part from '%') names a link "
            "of this host, not an address; leave it out\n");
        row("IPv6 prefix length", "split 2001:db8::/32 129", 1,
            "ferol-calc split: '129': the new prefix length must be a number from 32 to 128\n");
        row("IPv6 too many", "split 2001:db8::/32 49", 1,
            "ferol-calc split: '49': splitting /32 into /49 gives 131072 subnets, more than "
            "65536\n");
        row("range of two families", "range 10.0.0.1 ::1", 1,
            "ferol-calc range: '10.0.0.1' and '::1' are not of one address family\n");
        row("decimal beyond 128 bits", "decimal 340282366920938463463374607431768211456 --ipv6", 1,
            "ferol-calc decimal: '340282366920938463463374607431768211456' is neither an IPv6 "
            "address nor a number from 0 to 340282366920938463463374607431768211455\n");
        row("nothing", "", 2, "ferol-calc: no command given\nTry 'ferol-calc --help'.\n");
        row("unknown option", "subnet --bogus 1.2.3.4/8", 2,
            "ferol-calc subnet: unknown option '--bogus'\nTry 'ferol-calc subnet --help'.\n");
        row("option of another command", "range 1.2.3.4 1.2.3.5 -n 3", 2,
            "ferol-calc range: unknown option '-n'\nTry 'ferol-calc range --help'.\n");
        row("flag with value", "subnet --json=yes 1.2.3.4", 2,
            "ferol-calc subnet: option '--json' takes no value\nTry 'ferol-calc subnet --help'.\n");
        row("value missing", "next 1.2.3.0/24 -n", 2,
            "ferol-calc next: option '-n' needs a value\nTry 'ferol-calc next --help'.\n");
        row("vlsm without needs", "vlsm 10.0.0.0/24", 2,
            "ferol-calc vlsm: expected NETWORK/LEN HOSTS...\nTry 'ferol-calc vlsm --help'.\n");
        row("no mask for IPv6", "subnet 2001:db8:: ffff::", 2,
            "ferol-calc subnet: expected ADDRESS/LEN (an IPv6 address takes no mask)\n...");
        row("two inputs", "subnet - --file nets", 2,
            "ferol-calc subnet: one input at a time: '-' or --file\n...");
    }
    void texts()
    {
        QFETCH(QString, commandLine);
        QFETCH(int, status);
        QFETCH(QString, text);
        const Answer answer = RunProcess(commandLine);
        QCOMPARE(answer.status, status);
        QCOMPARE(status ? answer.out : answer.err, QString()); // the other stream
        const QString written = status ? answer.err : answer.out;
        if (text.endsWith("..."))
            QCOMPARE(written.left(text.size() - 3), text.chopped(3));
        else
            QCOMPARE(written, text);
    }

    // The keys of the expected object, typed, in the one JSON document written.
    void json_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* commandLine, const char* expected) {
            QTest::newRow(commandLine) << QString(commandLine) << QString(expected);
        };
        row("192.168.1.130/26 --binary", R"({"class":"C",
            "host_binary":"11000000.10101000.00000001.10000010",
            "mask_binary":"11111111.11111111.11111111.11000000",
            "network_binary":"11000000.10101000.00000001.10000000",
            "broadcast_binary":"11000000.10101000.00000001.10111111"})");
        row("subnet 255.255.255.255 255.255.255.255", R"({
            "address":"255.255.255.255","block":"limited-broadcast",
            "block_name":"Limited Broadcast","block_prefix":"255.255.255.255/32",
            "block_flags":{"source":false,"destination":true,"forwardable":false,
            "globally_reachable":false,"reserved_by_protocol":true},"class":"E",
            "first_host":"255.255.255.255","host_count":1,"max_subnets":null,"subnet_bits":null,
            "status":"Class E has no network and host parts"})");
        row("subnet 10.1.0.1/31", R"({"first_host":null,"last_host":null,
            "host_count":0,"max_hosts":0,"status":"Mask too long, no hosts."})");
        row("subnet 10.1.0.1/31 --rfc3021", R"({
            "first_host":"10.1.0.0","last_host":"10.1.0.1","host_count":2,"max_hosts":2,
            "rfc3021":true,"status":"Subnetting as per RFC3021."})");
        row("8.8.8.8", R"({"block":"public","block_prefix":null,"block_flags":null})");
        row("split 10.0.0.0/31 32", R"({"prefix_length":32,
            "subnets":[{"network":"10.0.0.0","prefix_length":32,"first_host":"10.0.0.0",
            "last_host":"10.0.0.0","host_count":1,"broadcast":"10.0.0.0"},{"network":"10.0.0.1",
            "prefix_length":32,"first_host":"10.0.0.1","last_host":"10.0.0.1","host_count":1,
            "broadcast":"10.0.0.1"}]})");
        row("wildcard 10.0.6.10 0.0.0.5", R"({"contiguous":false,"prefix":null,"match_count":4,
            "matches":[[{"first":10,"last":10}],[{"first":0,"last":0}],[{"first":6,"last":6}],
            [{"first":10,"last":11},{"first":14,"last":15}]]})");
        row("wildcard 1.2.3.4 255.255.255.255",
            R"({"match_count":4294967296,"prefix":"0.0.0.0/0"})");
        row("decimal 4294967295", R"({"address":"255.255.255.255","decimal":4294967295})");
        row("range 10.0.0.1 10.0.0.6", R"({"first":"10.0.0.1",
            "last":"10.0.0.6","address_count":6,"prefixes":["10.0.0.1/32","10.0.0.2/31",
            "10.0.0.4/31","10.0.0.6/32"]})");
        row("::/0", R"({"network":"::","last_address":"ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff",
            "address_count":"340282366920938463463374607431768211456","reverse_zone":"ip6.arpa",
            "block":"mixed","ipv4_mapped":null})");
        row("decimal 8000::", R"({"decimal":"170141183460469231731687303715884105728",
            "block":"public"})");
        row("decimal ::20:0:0:0", R"({"decimal":9007199254740992})");
        row("2001:db8::/75", R"({"address_count":9007199254740992})");
        row("2001:db8::/74", R"({"address_count":"18014398509481984"})");
        row("next 2001:db8::/127 -n 2", R"({"prefix_length":127,"subnets":[
            {"network":"2001:db8::","prefix_length":127,"last_address":"2001:db8::1",
            "address_count":2},{"network":"2001:db8::2","prefix_length":127,
            "last_address":"2001:db8::3","address_count":2}]})");
        row("range :: ffff:ffff:ffff:ffff:ffff:ffff:ffff:fffe",
            R"({"address_count":"340282366920938463463374607431768211455"})");
        row("vlsm 10.0.0.0/30 1 --rfc3021", R"({"network":"10.0.0.0/30","rfc3021":true,
            "subnets":[{"hosts_needed":1,"network":"10.0.0.0","prefix_length":32,
            "first_host":"10.0.0.0","last_host":"10.0.0.0","host_count":1,"broadcast":"10.0.0.0"}],
            "unused":["10.0.0.1/32","10.0.0.2/31"]})");
    }
    void json()
    {
        QFETCH(QString, commandLine);
        QFETCH(QString, expected);
        QJsonParseError error;
        const QJsonObject wanted = QJsonDocument::fromJson(expected.toUtf8(), &error).object();
        if (error.error != QJsonParseError::NoError || wanted.isEmpty())
            QFAIL(qPrintable("the expected JSON does not parse: " + error.errorString()));
        const Answer answer = RunInProcess(commandLine + " --json");
        QCOMPARE(answer.status, 0);
        const QJsonObject got = JsonOf(answer.out);
        for (auto it = wanted.begin(); it != wanted.end(); ++it)
            QVERIFY2(got.value(it.key()) == it.value(),
                     qPrintable(it.key() + ": " +
                                QJsonDocument(QJsonObject{{"got", got.value(it.key())}})
                                    .toJson(QJsonDocument::Compact)));
    }

    // The network answered and the number of rows, for the ways people write a command.
    void forms_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("cidr");
        QTest::addColumn<int>("rows"); // subnet rows of next and split; 0 for subnet
        const auto row = [](const char* commandLine, const char* cidr, int rows) {
            QTest::newRow(commandLine) << QString(commandLine) << QString(cidr) << rows;
        };
        row("10.1.2.3/255.255.255.0", "10.1.2.0/24", 0);
        row("10.1.2.3", "10.1.2.3/32", 0);
        row("subnet 10.1.2.3 255.255.0.0", "10.1.0.0/16", 0);
        row("--rfc3021 --json subnet 10.1.2.3/31", "10.1.2.2/31", 0);
        row("next --count=3 10.0.0.0/24", "10.0.0.0/24", 3);
        row("-n3 next 10.0.0.0/24", "10.0.0.0/24", 3);
        row("next 10.0.0.7 -n2", "10.0.0.7/32", 2);
        row("split 10.0.0.0/255.255.255.0 25", "10.0.0.0/25", 2);
        row("-- 10.1.2.3/8", "10.0.0.0/8", 0);
    }
    void forms()
    {
        QFETCH(QString, commandLine);
        QFETCH(QString, cidr);
        QFETCH(int, rows);
        const Answer answer = RunInProcess("--json " + commandLine);
        QCOMPARE(answer.err, QString());
        const QJsonObject json = JsonOf(answer.out);
        const QJsonArray subnets = json.value("subnets").toArray();
        const QJsonObject first = rows ? subnets.first().toObject() : json;
        QCOMPARE(first.value("network").toString() + '/' +
                     QString::number(first.value("prefix_length").toInt()),
                 cidr);
        QCOMPARE(subnets.size(), rows);
    }

    // Lines from standard input, or from a file where the command line names FILE.
    void batch_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const auto row = [](const char* name, const char* commandLine, const char* input,
                            int status, const char* out, const char* err) {
            QTest::newRow(name) << QString(commandLine) << QString(input) << status << QString(out)
                                << QString(err);
        };
        row("json lines", "subnet - --json", "10.0.0.0/8\n10.0.0.300/8\n  192.168.0.1/16\r\n", 1,
            "10.0.0.0 192.168.0.1 ",
            "ferol-calc subnet: line 2: '10.0.0.300' is not an IPv4 address\n");
        row("blank and comment lines", "--json -", "# nets\n\n10.1.2.3\n", 0, "10.1.2.3 ", "");
        row("no end of line", "decimal - --json", "1.2.3.4\n16909061", 0, "1.2.3.4 1.2.3.5 ", "");
        row("line of two words", "range - --json", "10.0.0.0 10.0.0.255\n10.0.0.9 10.0.0.1\n", 1,
            "10.0.0.0 ",
            "ferol-calc range: line 2: '10.0.0.9' is above '10.0.0.1': FIRST must not be above "
            "LAST\n");
        row("dash in place", "split - 25 --json", "10.0.0.0/24\n1.0.0.0/8 9\n", 1, "10.0.0.0 ",
            "ferol-calc split: line 2: expected NETWORK/LEN NEWLEN\n");
        row("both families", "subnet - --json", "10.1.0.0/16\n2001:db8::/48\n\n::1%eth0\n", 1,
            "10.1.0.0 2001:db8:: ",
            "ferol-calc subnet: line 4: '::1%eth0': a zone index (the part from '%') names a link "
            "of this host, not an address; leave it out\n");
        row("from a file", "--json --file FILE", "10.0.0.1/24\n300.1.2.3/8\n172.16.5.4/12\n", 1,
            "10.0.0.1 172.16.5.4 ",
            "ferol-calc subnet: line 2: '300.1.2.3' is not an IPv4 address\n");
        row("text blocks", "- ", "10.0.0.0/30\n10.0.0.4/30\n", 0,
            "Address:          10.0.0.0\n...\n\nAddress:          10.0.0.4\n...", "");
    }
    void batch()
    {
        QFETCH(QString, commandLine);
        QFETCH(QString, input);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QTemporaryFile file;
        if (commandLine.contains("FILE")) {
            QVERIFY(file.open());
            file.write(input.toUtf8());
            file.close();
            commandLine.replace("FILE", file.fileName());
            input.clear();
        }
        const Answer answer = RunProcess(commandLine, input.toUtf8());
        QCOMPARE(answer.status, status);
        QCOMPARE(answer.err, err);
        if (!commandLine.contains("--json")) {
            // Each block's first line, and the blank line between blocks.
            QStringList firsts;
            for (const QString& block : answer.out.split("\n\n"))
                firsts << block.section('\n', 0, 0) + "\n...";
            QCOMPARE(firsts.join("\n\n"), out);
            return;
        }
        // One JSON object per line; the first address of each.
        QString firsts;
        for (const QString& line : answer.out.split('\n')) {
            if (line.isEmpty())
                continue;
            const QJsonObject json = JsonOf(line);
            const QJsonValue subnets = json.value("subnets");
            firsts += (subnets.isArray()        ? subnets[0]["network"]
                       : json.contains("first") ? json["first"]
                                                : json["address"])
                          .toString() +
                      ' ';
        }
        QCOMPARE(firsts, out);
        QVERIFY(!answer.out.contains("\n\n"));
    }

    // Half of the inputs given as ADDRESS MASK; the tab judges classes A to C, and the
    // arithmetic here every address.
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
            const quint32 mask = MaskOf(m);
            const QString input =
                Dotted(address) + (round % 2 ? " " + Dotted(mask) : "/" + QString::number(m));
            const QString context = input + (rfc ? " --rfc3021" : "");
            const QJsonObject json = JsonOf(RunInProcess("subnet " + context + " --json").out);
            const quint32 network = address & mask;
            const quint32 first = m >= 31 ? network : network + 1;
            const quint32 last = m >= 31 ? (network | ~mask) : (network | ~mask) - 1;
            const bool noHosts = m == 31 && !rfc;
            QCOMPARE(json["mask"].toString(), Dotted(mask));
            QCOMPARE(json["wildcard"].toString(), Dotted(~mask));
            QCOMPARE(json["network"].toString(), Dotted(network));
            QCOMPARE(json["broadcast"].toString(), Dotted(network | ~mask));
            QCOMPARE(json["prefix_length"].toInt(), m);
            QCOMPARE(json["first_host"].toString(), noHosts ? "" : Dotted(first));
            QCOMPARE(json["last_host"].toString(), noHosts ? "" : Dotted(last));
            QCOMPARE(json["host_count"].toInteger(), noHosts ? 0 : qint64(last) - first + 1);
            const int top = int(address >> 24);
            const char cls = top < 128   ? 'A'
                             : top < 192 ? 'B'
                             : top < 224 ? 'C'
                             : top < 240 ? 'D'
                                         : 'E';
            QCOMPARE(json["class"].toString(), QString(QChar(cls)));
            const int classful = top < 128 ? 8 : top < 192 ? 16 : 24;
            if (top >= 224) {
                QVERIFY2(json["subnet_bits"].isNull() && json["max_hosts"].isNull(),
                         qPrintable(context));
                continue;
            }
            if (m == 0 || top == 127) {
                // The tab's scroll bar starts at 1, and it reads 127 with class B's length.
                QCOMPARE(json["subnet_bits"].toInt(-1), m >= classful ? m - classful : -1);
                continue;
            }
            option->setChecked(rfc);
            tab.enter(Dotted(address) + "/" + QString::number(m));
            const auto shown = [&json](const char* key) {
                const QJsonValue value = json[key];
                return value.isNull()     ? QString()
                       : value.isString() ? value.toString()
                                          : QString::number(value.toInteger());
            };
            const std::pair<const char*, const char*> keysAndControls[] = {
                {"subnet_bits", "lbl_info_0"},
                {"max_subnets", "lbl_info_1"},
                {"max_hosts", "lbl_info_2"},
                {"host_bits", "lbl_info_3"},
                {"status", "lbl_sub2"}};
            for (const auto& [key, control] : keysAndControls) {
                QVERIFY2(shown(key) == tab.text(control),
                         qPrintable(context + ": " + key + " " + shown(key) + ", " + control + " " +
                                    tab.text(control)));
            }
        }
    }
};

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
