// ferol-calc through the whole command line, the real executable run as a shell or a
// script runs it: the texts or the JSON keys that matter (the README's examples, which
// CTest runs, hold the full texts of most commands), the ways people write a command,
// and batches with good and bad lines.

#include "ferol_version.h"
#include "support/run_calc.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryFile>
#include <QTest>

namespace {

// A command line as a shell splits one without quotes.
CalcAnswer RunProcess(const QString& commandLine, const QByteArray& input = {})
{
    return RunCalc(commandLine.split(' ', Qt::SkipEmptyParts), input);
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

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    // An answer (status 0) is the whole of standard output, or its beginning where the row
    // ends in "..."; otherwise standard error alone names the program and gives the
    // reason, on one line for a refused argument (1), with the way to the help after
    // wrong usage (2).
    void texts_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* commandLine, int status, const QString& text) {
            QTest::newRow(commandLine) << QString(commandLine) << status << text;
        };
        row("--version", 0, "ferol-calc " FEROL_VERSION "\n");
        row("--help", 0, "Usage: ferol-calc COMMAND ARGUMENTS [options]\n...");
        row("split 300.0.0.0 -h", 0, "Usage: ferol-calc split NETWORK/LEN NEWLEN [options]\n...");
        row("10.0.0.0/7", 0,
            "Address:          10.0.0.0\nBlock:            mixed (holds special-purpose "
            "blocks)\n...");
        row("range 2001:db8::1 2001:db8::7", 0,
            "2001:db8::1/128\n2001:db8::2/127\n2001:db8::4/126\n");
        row("subnet 10.0.0.0 255.0.255.0", 1, "'255.0.255.0' is not a subnet mask");
        row("split 10.0.0.1/24 26", 1, "not a network address; the network is 10.0.0.0/24");
        row("split 0.0.0.0/0 17", 1, "splitting /0 into /17 gives 131072 subnets, more than");
        row("decimal -1", 1, "'-1' is neither an IPv4 address nor a number");
        row("fe80::1%eth0/64", 1, "'fe80::1%eth0/64': a zone index");
        row("subnet 2001:db8:12345::1", 1, "group 3 has 5 digits, at most 4 are allowed");
        row("range 10.0.0.1 ::1", 1, "'10.0.0.1' and '::1' are not of one address family");
        row("--json", 2, "ferol-calc: no command given");
        row("subnet --bogus 1.2.3.4/8", 2, "ferol-calc subnet: unknown option '--bogus'");
        row("next 1.2.3.0/24 -n", 2, "option '-n' needs a value");
        row("vlsm 10.0.0.0/24", 2, "expected NETWORK/LEN SIZES...");
        row("subnet 2001:db8:: ffff::", 2, "an IPv6 address takes no mask");
        row("subnet - --file nets", 2, "one input at a time: '-' or --file");
    }
    void texts()
    {
        QFETCH(QString, commandLine);
        QFETCH(int, status);
        QFETCH(QString, text);
        const CalcAnswer answer = RunProcess(commandLine);
        QCOMPARE(answer.status, status);
        QCOMPARE(status ? answer.out : answer.err, QString()); // the other stream
        if (status) {
            QVERIFY2(answer.err.startsWith("ferol-calc") && answer.err.contains(text),
                     qPrintable(answer.err));
            QCOMPARE(int(answer.err.count('\n')), status);
            QCOMPARE(answer.err.endsWith(" --help'.\n"), status == 2);
        } else if (text.endsWith("...")) {
            QCOMPARE(answer.out.left(text.size() - 3), text.chopped(3));
        } else {
            QCOMPARE(answer.out, text);
        }
    }

    // The keys of the expected object, typed, in the one JSON document written.
    void json_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* commandLine, const char* expected) {
            QTest::newRow(commandLine) << QString(commandLine) << QString(expected);
        };
        row("subnet 255.255.255.255 255.255.255.255", R"({"block":"limited-broadcast",
            "block_name":"Limited Broadcast","block_flags":{"source":false,"destination":true,
            "forwardable":false,"globally_reachable":false,"reserved_by_protocol":true},
            "class":"E","status":"Class E has no network and host parts"})");
        row("subnet 10.1.0.1/31 --rfc3021", R"({"rfc3021":true,"max_hosts":2,
            "status":"Subnetting as per RFC3021."})");
        row("split 10.0.0.1/32 32", R"({"prefix_length":32,"subnets":[{"network":"10.0.0.1",
            "prefix_length":32,"first_host":"10.0.0.1","last_host":"10.0.0.1","host_count":1,
            "broadcast":"10.0.0.1"}]})");
        row("wildcard 10.0.6.10 0.0.0.5", R"({"contiguous":false,"prefix":null,"match_count":4,
            "matches":[[{"first":10,"last":10}],[{"first":0,"last":0}],[{"first":6,"last":6}],
            [{"first":10,"last":11},{"first":14,"last":15}]]})");
        row("decimal 4294967295", R"({"address":"255.255.255.255","decimal":4294967295})");
        row("::/0", R"({"network":"::","last_address":"ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff",
            "address_count":"340282366920938463463374607431768211456","reverse_zone":"ip6.arpa",
            "block":"mixed","ipv4_mapped":null})");
        row("2001:db8::/75", R"({"address_count":9007199254740992})");
        row("next 2001:db8::2/127 -n 1",
            R"({"prefix_length":127,"subnets":[{"network":"2001:db8::2",
            "prefix_length":127,"last_address":"2001:db8::3","address_count":2}]})");
        row("vlsm 10.0.0.0/30 1 --rfc3021", R"({"network":"10.0.0.0/30","rfc3021":true,
            "subnets":[{"hosts_needed":1,"network":"10.0.0.0","prefix_length":32,
            "first_host":"10.0.0.0","last_host":"10.0.0.0","host_count":1,"broadcast":"10.0.0.0"}],
            "unused":["10.0.0.1/32","10.0.0.2/31"]})");
    }
    void json()
    {
        QFETCH(QString, commandLine);
        QFETCH(QString, expected);
        const QJsonObject wanted = JsonOf(expected);
        QVERIFY(!wanted.isEmpty());
        const CalcAnswer answer = RunProcess(commandLine + " --json");
        QCOMPARE(answer.status, 0);
        const QJsonObject got = JsonOf(answer.out);
        QJsonObject picked;
        for (auto it = wanted.begin(); it != wanted.end(); ++it)
            picked.insert(it.key(), got.value(it.key()));
        QCOMPARE(QJsonDocument(picked).toJson(QJsonDocument::Compact),
                 QJsonDocument(wanted).toJson(QJsonDocument::Compact));
    }

    // What each JSON line answers (the networks of next and split, the network of subnet,
    // the first address of range and decimal), for the ways people write a command, and
    // for batches from standard input or from a file where the command line names FILE.
    void answers_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("err");
        const auto row = [](const char* commandLine, const char* answers) {
            QTest::newRow(commandLine)
                << QString(commandLine) << QString() << 0 << QString(answers) << QString();
        };
        const auto batch = [](const char* name, const char* commandLine, const char* input,
                              int status, const char* answers, const char* err) {
            QTest::newRow(name) << QString(commandLine) << QString(input) << status
                                << QString(answers) << QString(err);
        };
        row("subnet 10.1.2.3 255.255.0.0", "10.1.0.0/16");
        row("-n3 next 10.0.0.0/24", "10.0.0.0/24 10.0.1.0/24 10.0.2.0/24");
        row("next 255.255.254.200/24 -n 3", "255.255.254.0/24 255.255.255.0/24");
        row("-- 10.1.2.3/8", "10.0.0.0/8");
        batch("json lines", "subnet -", "10.0.0.0/8\n10.0.0.300/8\n  192.168.0.1/16\r\n", 1,
              "10.0.0.0/8 192.168.0.0/16",
              "ferol-calc subnet: line 2: '10.0.0.300' is not an IPv4 address\n");
        batch("blank and comment lines", "-", "# nets\n\n10.1.2.3\n", 0, "10.1.2.3/32", "");
        batch("no end of line", "decimal -", "1.2.3.4\n16909061", 0, "1.2.3.4 1.2.3.5", "");
        batch("line of two words", "range -", "10.0.0.0 10.0.0.255\n10.0.0.9 10.0.0.1\n", 1,
              "10.0.0.0",
              "ferol-calc range: line 2: '10.0.0.9' is above '10.0.0.1': FIRST must not be above "
              "LAST\n");
        batch("dash in place", "split - 25", "10.0.0.0/24\n1.0.0.0/8 9\n", 1,
              "10.0.0.0/25 10.0.0.128/25",
              "ferol-calc split: line 2: expected NETWORK/LEN NEWLEN\n");
        batch("from a file", "--file FILE", "10.0.0.1/24\n300.1.2.3/8\n172.16.5.4/12\n", 1,
              "10.0.0.0/24 172.16.0.0/12",
              "ferol-calc subnet: line 2: '300.1.2.3' is not an IPv4 address\n");
    }
    void answers()
    {
        QFETCH(QString, commandLine);
        QFETCH(QString, input);
        QFETCH(int, status);
        QFETCH(QString, answers);
        QFETCH(QString, err);
        const bool batch = !input.isEmpty(); // one JSON object per line, not one indented
        QTemporaryFile file;
        if (commandLine.contains("FILE")) {
            QVERIFY(file.open());
            file.write(input.toUtf8());
            file.close();
            commandLine.replace("FILE", file.fileName());
            input.clear();
        }
        const CalcAnswer answer = RunProcess("--json " + commandLine, input.toUtf8());
        QCOMPARE(answer.status, status);
        QCOMPARE(answer.err, err);
        QStringList got;
        const QStringList documents =
            batch ? answer.out.split('\n', Qt::SkipEmptyParts) : QStringList{answer.out};
        for (const QString& document : documents) {
            const QJsonObject json = JsonOf(document);
            for (const QJsonValue subnet : json["subnets"].toArray())
                got << subnet["network"].toString() + '/' +
                           QString::number(subnet["prefix_length"].toInt());
            if (!json.contains("subnets"))
                got << json[json.contains("cidr")    ? "cidr"
                            : json.contains("first") ? "first"
                                                     : "address"]
                           .toString();
        }
        QCOMPARE(got.join(' '), answers);
        QVERIFY(!answer.out.contains("\n\n"));
    }

    // Input no one should send, by exit status and the exact message: control bytes come
    // back escaped, long input is refused without being echoed whole, what cannot be read
    // stops the run.
    void hostileInput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("inputFile");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("err");
        QTest::addColumn<int>("answers"); // lines of standard output
        const QByteArray huge(20 * 1024 * 1024, '1');
        const QString longWord(100000, 'a');
        // Standard input from the bytes, or from the file a trailing "<FILE" names.
        const auto row = [](const char* name, const QString& arguments, const QByteArray& input,
                            int status, const QString& err, int answers) {
            QStringList words = arguments.split(' ', Qt::SkipEmptyParts);
            const QString inputFile = words.last().startsWith('<') ? words.takeLast().mid(1) : "";
            QTest::newRow(name) << words << input << inputFile << status << err << answers;
        };
        row("terminal title escape", "subnet -", "\x1b]0;pwned\x07\n", 1,
            "ferol-calc subnet: line 1: '\\x1b]0;pwned\\x07' is not an IPv4 address\n", 0);
        row("folder as file", "subnet --file /", {}, 2,
            "ferol-calc subnet: cannot read '/': Is a directory\n", 0);
        row("folder as input", "subnet - </", {}, 2,
            "ferol-calc subnet: cannot read standard input: Is a directory\n", 0);
        row("missing file", "--file /nonexistent/nets", {}, 2,
            "ferol-calc subnet: cannot read '/nonexistent/nets': No such file or directory\n", 0);
        row("20 MB line between good ones", "-j -", "10.0.0.1\n" + huge + "\n10.0.0.2", 1,
            "ferol-calc subnet: line 2: longer than 4096 bytes\n", 2);
        row("byte-order mark", "-j decimal -",
            "\xef\xbb\xbf"
            "1.2.3.4\n",
            0, "", 1);
        // A byte-order mark is skipped before the first line only. A stray byte is found
        // within a line's first eight bytes as well as after them.
        row("not UTF-8", "-j -",
            "\x80"
            "10.0.0.1\n10.0.0.1\xff\n\xef\xbb\xbf"
            "1.2.3.4\n",
            1,
            "ferol-calc subnet: line 1: not UTF-8 text: '\\x8010.0.0.1'\n"
            "ferol-calc subnet: line 2: not UTF-8 text: '10.0.0.1\\xff'\n"
            "ferol-calc subnet: line 3: '" +
                QString(QChar(0xFEFF)) + "1.2.3.4' is not an IPv4 address\n",
            0);
        row("long argument", "subnet " + longWord, {}, 1,
            "ferol-calc subnet: '" + longWord.left(32) +
                "...' (100000 bytes) is longer than any argument (at most 128)\n",
            0);
        row("options on a line", "next -j -", "10.0.0.0/24 -n 2\n10.0.0.0/31 -n1\n", 0, "", 2);
        row("output option on a line", "next -", "10.0.0.0/24 --json\n", 1,
            "ferol-calc next: line 1: '--json' shapes the whole output: give it on the command "
            "line\n",
            0);
    }
    void hostileInput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(QString, inputFile);
        QFETCH(int, status);
        QFETCH(QString, err);
        QFETCH(int, answers);
        const CalcAnswer answer = RunCalc(arguments, input, inputFile);
        QCOMPARE(answer.err, err);
        QCOMPARE(answer.status, status);
        QCOMPARE(int(answer.out.count('\n')), answers);
    }

    // The set operations and the conventions scripts rely on: whole standard output and
    // exit status.
    void scripted_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        const auto row = [](const char* name, const char* commandLine, int status, const char* out,
                            const QByteArray& input = {}) {
            QTest::newRow(name) << QString(commandLine) << input << status << QString(out);
        };
        row("contains not all", "contains 2001:db8::/32 2001:db8::1 2001:db9::/48", 1,
            "2001:db8::1 is in 2001:db8::/32\n2001:db9::/48 is not in 2001:db8::/32\n");
        row("contains refused", "contains 10.0.0.0/8 10.0.0.1/8", 2, "");
        row("contains batch", "contains 10.0.0.0/8 -", 1,
            "10.1.1.1 is in 10.0.0.0/8\n"
            "\n11.0.0.0 is not in 10.0.0.0/8\n",
            "10.1.1.1\n11.0.0.0\n");
        row("merge both families", "merge 2001:db8:1::/48 10.0.0.128/25 2001:db8::/48 10.0.0.0/25",
            0, "10.0.0.0/24\n2001:db8::/47\n");
        row("merge lines", "merge -", 0, "192.168.0.0/23\n",
            "192.168.0.0/24 # comment\n192.168.1.0/25\n192.168.1.128-192.168.1.255\n");
        row("merge refused line", "merge -", 1, "", "10.0.0.0/24\n10.0.0.1/24\n");
        row("/31 has two hosts", "10.0.0.0/31 --field host_count --field max_hosts", 0, "2\n2\n");
        row("unknown field", "192.168.1.130/26 --field nets", 2, "");
        row("block fields chosen in a batch", "subnet - --json --field block --field address", 0,
            "{\"block\":\"private-use\",\"address\":\"10.0.0.1\"}\n"
            "{\"block\":\"public\",\"address\":\"8.8.8.8\"}\n",
            "10.0.0.1/8\n8.8.8.8\n");
        row("classless reverse", "192.168.1.200/29 --field classless_reverse_zone", 0,
            "200/29.1.168.192.in-addr.arpa\n");
        row("hex", "192.168.1.1/24 --hex --field host_hex --field broadcast_hex", 0,
            "0xC0A80101\n0xC0A801FF\n");
        row("help of a command", "help exclude", 0,
            "Usage: ferol-calc exclude NETWORK EXCLUDED... [options]\n");
    }
    void scripted()
    {
        QFETCH(QString, commandLine);
        QFETCH(QByteArray, input);
        QFETCH(int, status);
        QFETCH(QString, out);
        const CalcAnswer answer = RunProcess(commandLine, input);
        QCOMPARE(answer.status, status);
        if (out.startsWith("Usage:"))
            QVERIFY2(answer.out.startsWith(out), qPrintable(answer.out));
        else
            QCOMPARE(answer.out, out);
        QCOMPARE(answer.err.isEmpty(), status == 0 || !out.isEmpty());
        // contains answers a refused argument with 2, which is not wrong usage.
        QCOMPARE(answer.err.contains("--help'"),
                 status == 2 && !commandLine.startsWith("contains"));
    }

    // A batch into a file or pipe is written in blocks by a second thread: every answer
    // arrives, once and in order, and output that cannot be written fails the run, whether
    // it fills one block or many.
    void blockOutput_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("outputFile"); // empty: a pipe to the test
        QTest::addColumn<int>("status");
        QTest::newRow("many blocks") << 12000 << QString() << 0;
        QTest::newRow("full disk, one answer") << 1 << "/dev/full" << 1;
        QTest::newRow("full disk, many blocks") << 12000 << "/dev/full" << 1;
    }
    void blockOutput()
    {
        QFETCH(int, lines);
        QFETCH(QString, outputFile);
        QFETCH(int, status);
        const auto address = [](int line) {
            return QString("10.%1.%2.1").arg(line / 256).arg(line % 256);
        };
        QByteArray input;
        for (int line = 0; line < lines; ++line)
            input += (address(line) + "/24\n").toLatin1();
        QProcess process;
        if (!outputFile.isEmpty())
            process.setStandardOutputFile(outputFile);
        process.start(FEROL_CALC_PATH, {"subnet", "-", "--json"});
        process.write(input);
        process.closeWriteChannel();
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), status);
        if (!outputFile.isEmpty())
            return;
        const QList<QByteArray> answers = process.readAllStandardOutput().split('\n');
        QCOMPARE(answers.size(), lines + 1); // and the empty rest after the last line end
        for (int line = 0; line < lines; ++line)
            QCOMPARE(JsonOf(answers[line])["address"].toString(), address(line));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
