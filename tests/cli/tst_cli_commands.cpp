// Fixed cases through the real executable, as a shell or script runs it; thousands of
// random ones in the process against plain 32-bit arithmetic written here and, for the
// classful figures of classes A to C, against what the subnet tab shows.

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

} // namespace

class TestCliCommands : public QObject
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
            "Network             First host       Last host             Hosts  Broadcast\n"
            "10.0.0.0/26         10.0.0.1         10.0.0.62                62  10.0.0.63\n"
            "10.0.0.64/26        10.0.0.65        10.0.0.126               62  10.0.0.127\n"
            "10.0.0.128/26       10.0.0.129       10.0.0.190               62  10.0.0.191\n"
            "10.0.0.192/26       10.0.0.193       10.0.0.254               62  10.0.0.255\n");
        row("next stops at the end", "next 255.255.254.200/24 -n 3", 0,
            "Network             First host       Last host             Hosts  Broadcast\n"
            "255.255.254.0/24    255.255.254.1    255.255.254.254         254  255.255.254.255\n"
            "255.255.255.0/24    255.255.255.1    255.255.255.254         254  255.255.255.255\n");
        row("/31 rows without hosts", "split 10.0.0.0/30 31", 0,
            "Network             First host       Last host             Hosts  Broadcast\n"
            "10.0.0.0/31         -                -                         0  10.0.0.1\n"
            "10.0.0.2/31         -                -                         0  10.0.0.3\n");
        row("range", "range 10.0.0.1 10.0.0.6", 0,
            "10.0.0.1/32\n10.0.0.2/31\n10.0.0.4/31\n10.0.0.6/32\n");
        row("whole space", "range 0.0.0.0 255.255.255.255", 0, "0.0.0.0/0\n");
        row("wildcard ranges", "wildcard 172.16.128.0 0.0.31.255", 0,
            "Address:             172.16.128.0\n"
            "Wildcard:            0.0.31.255\n"
            "Block:               private use (172.16.0.0/12, Private-Use)\n"
            "Matching addresses:  8192\n"
            "Contiguous:          yes\n"
            "Prefix:              172.16.128.0/19\n"
            "Octet 1 matches: 172\n"
            "Octet 2 matches: 16\n"
            "Octet 3 matches: 128-159\n"
            "Octet 4 matches: 0-255\n");
        row("decimal", "decimal 192.168.1.1", 0,
            "Address:  192.168.1.1\nDecimal:  3232235777\n"
            "Block:    private use (192.168.0.0/16, Private-Use)\n");
        row("class D", "224.0.0.1/4", 0,
            "Address:          224.0.0.1\nBlock:            multicast (224.0.0.0/4, Multicast)\n"
            "Class:            Class D Address\n...");
        row("anycast block", "192.0.0.9", 0,
            "Address:          192.0.0.9\n"
            "Block:            anycast (192.0.0.9/32, Port Control Protocol Anycast)\n...");
        row("across blocks", "10.0.0.0/7", 0,
            "Address:          10.0.0.0\nBlock:            mixed (holds special-purpose "
            "blocks)\n...");
        row("version", "--version", 0, "ferol-calc " FEROL_VERSION "\n");
        row("help", "--help", 0, "Usage: ferol-calc COMMAND ARGUMENTS [options]\n...");
        row("help beats a bad argument", "split 300.0.0.0 -h", 0,
            "Usage: ferol-calc split NETWORK/LEN NEWLEN [options]\n...");
        row("help before the command", "-h next", 0, "Usage: ferol-calc next ...");
        row("octal-looking", "subnet 010.0.0.1/8", 1,
            "ferol-calc subnet: '010.0.0.1' is not an IPv4 address\n");
        row("/33", "subnet 10.0.0.0/33", 1,
            "ferol-calc subnet: '10.0.0.0/33': the prefix length must be a number from 0 to 32\n");
        row("gap mask", "subnet 10.0.0.0 255.0.255.0", 1,
            "ferol-calc subnet: '255.0.255.0' is not a subnet mask (leading one bits, then "
            "zeros)\n");
        row("gap mask after slash", "10.0.0.0/255.0.255.0", 1,
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
        row("shorter split", "split 10.0.0.0/24 23", 1,
            "ferol-calc split: '23': the new prefix length must be a number from 24 to 32\n");
        row("too many", "split 0.0.0.0/0 17", 1,
            "ferol-calc split: '17': splitting /0 into /17 gives 131072 subnets, more than "
            "65536\n");
        row("wildcard 256", "wildcard 10.0.0.1 0.0.0.256", 1,
            "ferol-calc wildcard: '0.0.0.256' is not an IPv4 address\n");
        row("decimal 2^32", "decimal 4294967296", 1,
            "ferol-calc decimal: '4294967296' is neither an IPv4 address nor a number from 0 to "
            "4294967295\n");
        row("decimal -1", "decimal -1", 1, "ferol-calc decimal: '-1' is neither...");
        row("missing file", "subnet --file /nonexistent/nets", 1,
            "ferol-calc subnet: cannot read '/nonexistent/nets': No such file or directory\n");
        row("nothing", "", 2, "ferol-calc: no command given\nTry 'ferol-calc --help'.\n");
        row("empty word", "''", 2, "ferol-calc: unknown command ''\nTry 'ferol-calc --help'.\n");
        row("unknown option", "subnet --bogus 1.2.3.4/8", 2,
            "ferol-calc subnet: unknown option '--bogus'\nTry 'ferol-calc subnet --help'.\n");
        row("unknown before command", "--bogus range 1.2.3.4 1.2.3.5", 2,
            "ferol-calc range: unknown option '--bogus'\nTry 'ferol-calc range --help'.\n");
        row("option of another command", "range 1.2.3.4 1.2.3.5 -n 3", 2,
            "ferol-calc range: unknown option '-n'\nTry 'ferol-calc range --help'.\n");
        row("flag with value", "subnet --json=yes 1.2.3.4", 2,
            "ferol-calc subnet: option '--json' takes no value\nTry 'ferol-calc subnet --help'.\n");
        row("one argument short", "range 10.0.0.1", 2,
            "ferol-calc range: expected FIRST LAST\nTry 'ferol-calc range --help'.\n");
        row("value missing", "next 1.2.3.0/24 -n", 2,
            "ferol-calc next: option '-n' needs a value\nTry 'ferol-calc next --help'.\n");
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
        QTest::newRow("binary rows") << "192.168.1.130/26 --binary"
                                     << R"({"class":"C",
            "host_binary":"11000000.10101000.00000001.10000010",
            "mask_binary":"11111111.11111111.11111111.11000000",
            "network_binary":"11000000.10101000.00000001.10000000",
            "broadcast_binary":"11000000.10101000.00000001.10111111"})";
        QTest::newRow("class E") << "subnet 255.255.255.255 255.255.255.255"
                                 << R"({
            "address":"255.255.255.255","block":"limited-broadcast",
            "block_name":"Limited Broadcast","block_prefix":"255.255.255.255/32",
            "block_flags":{"source":false,"destination":true,"forwardable":false,
            "globally_reachable":false,"reserved_by_protocol":true},"class":"E",
            "first_host":"255.255.255.255","host_count":1,"max_subnets":null,"subnet_bits":null,
            "status":"Class E has no network and host parts"})";
        QTest::newRow("/31") << "subnet 10.1.0.1/31"
                             << R"({"first_host":null,"last_host":null,
            "host_count":0,"max_hosts":0,"status":"Mask too long, no hosts."})";
        QTest::newRow("/31 point-to-point") << "subnet 10.1.0.1/31 --rfc3021"
                                            << R"({
            "first_host":"10.1.0.0","last_host":"10.1.0.1","host_count":2,"max_hosts":2,
            "rfc3021":true,"status":"Subnetting as per RFC3021."})";
        QTest::newRow("127 is class A") << "127.0.0.1/8"
                                        << R"({"class":"A","block":"loopback",
            "subnet_bits":0,"max_subnets":1,"max_hosts":16777214,"status":"Subnetting"})";
        QTest::newRow("public") << "8.8.8.8"
                                << R"({"block":"public","block_prefix":null,
            "block_flags":null})";
        QTest::newRow("split rows") << "split 10.0.0.0/31 32"
                                    << R"({"prefix_length":32,
            "subnets":[{"network":"10.0.0.0","prefix_length":32,"first_host":"10.0.0.0",
            "last_host":"10.0.0.0","host_count":1,"broadcast":"10.0.0.0"},{"network":"10.0.0.1",
            "prefix_length":32,"first_host":"10.0.0.1","last_host":"10.0.0.1","host_count":1,
            "broadcast":"10.0.0.1"}]})";
        QTest::newRow("next /31 point-to-point") << "next 10.0.0.0/31 -n 1 --rfc3021"
                                                 << R"({
            "subnets":[{"network":"10.0.0.0","prefix_length":31,"first_host":"10.0.0.0",
            "last_host":"10.0.0.1","host_count":2,"broadcast":"10.0.0.1"}]})";
        QTest::newRow("wildcard runs") << "wildcard 10.0.6.10 0.0.170.5"
                                       << R"({
            "contiguous":false,"prefix":null,"match_count":64,"matches":[[{"first":10,"last":10}],
            [{"first":0,"last":0}],[{"first":4,"last":4},{"first":6,"last":6},
            {"first":12,"last":12},{"first":14,"last":14},{"first":36,"last":36},
            {"first":38,"last":38},{"first":44,"last":44},{"first":46,"last":46},
            {"first":132,"last":132},{"first":134,"last":134},{"first":140,"last":140},
            {"first":142,"last":142},{"first":164,"last":164},{"first":166,"last":166},
            {"first":172,"last":172},{"first":174,"last":174}],
            [{"first":10,"last":11},{"first":14,"last":15}]]})";
        QTest::newRow("whole space matches")
            << "wildcard 1.2.3.4 255.255.255.255"
            << R"({"match_count":4294967296,"prefix":"0.0.0.0/0"})";
        QTest::newRow("decimal") << "decimal 4294967295"
                                 << R"({"address":"255.255.255.255","decimal":4294967295})";
        QTest::newRow("range") << "range 10.0.0.1 10.0.0.6"
                               << R"({"first":"10.0.0.1",
            "last":"10.0.0.6","address_count":6,"prefixes":["10.0.0.1/32","10.0.0.2/31",
            "10.0.0.4/31","10.0.0.6/32"]})";
    }
    void json()
    {
        QFETCH(QString, commandLine);
        QFETCH(QString, expected);
        QJsonParseError error;
        const QJsonObject wanted = QJsonDocument::fromJson(expected.toUtf8(), &error).object();
        if (error.error != QJsonParseError::NoError || wanted.isEmpty())
            QFAIL(qPrintable("the expected JSON does not parse: " + error.errorString()));
        const Answer answer = RunProcess(commandLine + " --json");
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
        QTest::newRow("address/mask") << "10.1.2.3/255.255.255.0"
                                      << "10.1.2.0/24" << 0;
        QTest::newRow("json first") << "--json 10.1.2.3/24"
                                    << "10.1.2.0/24" << 0;
        QTest::newRow("bare address") << "10.1.2.3"
                                      << "10.1.2.3/32" << 0;
        QTest::newRow("address mask") << "subnet 10.1.2.3 255.255.0.0"
                                      << "10.1.0.0/16" << 0;
        QTest::newRow("options first") << "--rfc3021 --json subnet 10.1.2.3/31"
                                       << "10.1.2.2/31" << 0;
        QTest::newRow("--count=") << "next --count=3 10.0.0.0/24"
                                  << "10.0.0.0/24" << 3;
        QTest::newRow("-n3") << "-n3 next 10.0.0.0/24"
                             << "10.0.0.0/24" << 3;
        QTest::newRow("-n 3 last") << "next 10.0.0.0/24 -n 3"
                                   << "10.0.0.0/24" << 3;
        QTest::newRow("bare next") << "next 10.0.0.7 -n2"
                                   << "10.0.0.7/32" << 2;
        QTest::newRow("split mask") << "split 10.0.0.0/255.255.255.0 25"
                                    << "10.0.0.0/25" << 2;
        QTest::newRow("after --") << "-- 10.1.2.3/8"
                                  << "10.0.0.0/8" << 0;
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

    void batch_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("json lines")
            << "subnet - --json"
            << "10.0.0.0/8\n10.0.0.300/8\n  192.168.0.1/16\r\n"
            << 1 << "10.0.0.0 192.168.0.1 "
            << "ferol-calc subnet: line 2: '10.0.0.300' is not an IPv4 address\n";
        QTest::newRow("blank and comment lines") << "--json -"
                                                 << "# nets\n\n10.1.2.3\n"
                                                 << 0 << "10.1.2.3 "
                                                 << "";
        QTest::newRow("no end of line") << "decimal - --json"
                                        << "1.2.3.4\n16909061" << 0 << "1.2.3.4 1.2.3.5 "
                                        << "";
        QTest::newRow("line of two words") << "range - --json"
                                           << "10.0.0.0 10.0.0.255\n10.0.0.9 10.0.0.1\n"
                                           << 1 << "10.0.0.0 "
                                           << "ferol-calc range: line 2: '10.0.0.9' is above "
                                              "'10.0.0.1': FIRST must not be above LAST\n";
        QTest::newRow("dash in place") << "split - 25 --json"
                                       << "10.0.0.0/24\n1.0.0.0/8 9\n"
                                       << 1 << "10.0.0.0 "
                                       << "ferol-calc split: line 2: expected NETWORK/LEN NEWLEN\n";
        QTest::newRow("text blocks")
            << "- "
            << "10.0.0.0/30\n10.0.0.4/30\n"
            << 0 << "Address:          10.0.0.0\n...\n\nAddress:          10.0.0.4\n..."
            << "";
    }
    void batch()
    {
        QFETCH(QString, commandLine);
        QFETCH(QString, input);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
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
        for (const QString& line : answer.out.split('\n', Qt::SkipEmptyParts)) {
            const QJsonObject json = JsonOf(line);
            const QJsonValue subnets = json.value("subnets");
            firsts += (subnets.isArray()        ? subnets[0]["network"]
                       : json.contains("first") ? json["first"]
                                                : json["address"])
                          .toString() +
                      ' ';
        }
        QCOMPARE(firsts, out);
    }

    void batchFromFile()
    {
        QTemporaryFile file;
        QVERIFY(file.open());
        file.write("10.0.0.1/24\n300.1.2.3/8\n172.16.5.4/12\n");
        file.close();
        const Answer answer = RunProcess("--json --file " + file.fileName());
        QCOMPARE(answer.status, 1);
        QCOMPARE(answer.err, "ferol-calc subnet: line 2: '300.1.2.3' is not an IPv4 address\n");
        const QStringList lines = answer.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(JsonOf(lines[1]).value("network").toString(), "172.16.0.0");
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
            const quint32 mask = m == 0 ? 0 : ~0u << (32 - m);
            const QString input =
                Dotted(address) + (round % 2 ? " " + Dotted(mask) : "/" + QString::number(m));
            const QJsonObject json =
                JsonOf(RunInProcess("subnet " + input + (rfc ? " --rfc3021" : "") + " --json").out);
            const quint32 network = address & mask;
            const quint32 first = m >= 31 ? network : network + 1;
            const quint32 last = m >= 31 ? (network | ~mask) : (network | ~mask) - 1;
            const bool noHosts = m == 31 && !rfc;
            const QString context = input + (rfc ? " --rfc3021" : "");
            QCOMPARE(json["mask"].toString(), Dotted(mask));
            QCOMPARE(json["wildcard"].toString(), Dotted(~mask));
            QCOMPARE(json["network"].toString(), Dotted(network));
            QCOMPARE(json["broadcast"].toString(), Dotted(network | ~mask));
            QCOMPARE(json["prefix_length"].toInt(), m);
            QCOMPARE(json["first_host"].toString(), noHosts ? "" : Dotted(first));
            QCOMPARE(json["last_host"].toString(), noHosts ? "" : Dotted(last));
            QCOMPARE(json["host_count"].toInteger(), noHosts ? 0 : qint64(last) - first + 1);
            const int top = int(address >> 24);
            const QString cls = top < 128   ? "A"
                                : top < 192 ? "B"
                                : top < 224 ? "C"
                                : top < 240 ? "D"
                                            : "E";
            QVERIFY2(json["class"].toString() == cls, qPrintable(context));
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

QTEST_MAIN(TestCliCommands)
#include "tst_cli_commands.moc"
