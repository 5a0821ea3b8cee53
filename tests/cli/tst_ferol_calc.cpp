// The real executable, as a shell or script runs it.

#include <QProcess>
#include <QTest>

namespace {

struct Finished
{
    int status;
    QString out;
    QString err;
};

Finished RunProgram(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(10000))
        return {-1, {}, process.errorString()};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

Finished RunCalc(const QString& commandLine)
{
    return RunProgram(QStringLiteral(FEROL_CALC_PATH),
                      commandLine.split(QLatin1Char(' '), Qt::SkipEmptyParts));
}

} // namespace

class TestFerolCalc : public QObject
{
    Q_OBJECT

private slots:
    void refusals_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, const char* commandLine, int status,
                            const char* message) {
            QTest::newRow(name) << QString(commandLine) << status << QString(message);
        };
        row("octet above 255", "300.1.2.3", 1,
            "ferol-calc subnet: '300.1.2.3' is not an IPv4 address\n");
        row("leading zero", "subnet 010.0.0.1/8", 1,
            "ferol-calc subnet: '010.0.0.1' is not an IPv4 address\n");
        row("prefix 33", "subnet 10.0.0.0/33", 1,
            "ferol-calc subnet: '10.0.0.0/33': the prefix length must be a number from 0 to 32\n");
        row("mask with a gap", "subnet 10.0.0.0 255.0.255.0", 1,
            "ferol-calc subnet: '255.0.255.0' is not a subnet mask (leading one bits, then "
            "zeros)\n");
        row("first above last", "range 10.0.0.9 10.0.0.1", 1,
            "ferol-calc range: '10.0.0.9' is above '10.0.0.1': FIRST must not be above LAST\n");
        row("no prefix length", "next 10.0.0.0", 1,
            "ferol-calc next: '10.0.0.0' needs a prefix length: ADDRESS/LEN\n");
        row("count 0", "next 10.0.0.0/8 -n 0", 1,
            "ferol-calc next: '-n 0': the count must be a number from 1 to 65536\n");
        row("host bits in split", "split 10.0.0.1/24 26", 1,
            "ferol-calc split: '10.0.0.1/24' is not a network address; the network is "
            "10.0.0.0/24\n");
        row("split to a shorter prefix", "split 10.0.0.0/24 23", 1,
            "ferol-calc split: '23': the new prefix length must be a number from 24 to 32\n");
        row("split too large", "split 0.0.0.0/0 17", 1,
            "ferol-calc split: '17': splitting /0 into /17 gives 131072 subnets, more than "
            "65536\n");
        row("wildcard octet above 255", "wildcard 10.0.0.1 0.0.0.256", 1,
            "ferol-calc wildcard: '0.0.0.256' is not an IPv4 address\n");
        row("decimal above 32 bits", "decimal 4294967296", 1,
            "ferol-calc decimal: '4294967296' is neither an IPv4 address nor a number from 0 to "
            "4294967295\n");
        row("negative decimal", "decimal -1", 1,
            "ferol-calc decimal: '-1' is neither an IPv4 address nor a number from 0 to "
            "4294967295\n");
        row("no command", "", 2, "ferol-calc: no command given\nTry 'ferol-calc --help'.\n");
        row("unknown command", "frobnicate", 2,
            "ferol-calc: unknown command 'frobnicate'\nTry 'ferol-calc --help'.\n");
        row("unknown option", "subnet --bogus 1.2.3.4/8", 2,
            "ferol-calc subnet: unknown option '--bogus'\nTry 'ferol-calc subnet --help'.\n");
        row("missing argument", "range 10.0.0.1", 2,
            "ferol-calc range: expected FIRST LAST\nTry 'ferol-calc range --help'.\n");
        row("missing count", "next 1.2.3.0/24 -n", 2,
            "ferol-calc next: option '-n' needs a value\nTry 'ferol-calc next --help'.\n");
    }
    void refusals()
    {
        QFETCH(QString, commandLine);
        QFETCH(int, status);
        QFETCH(QString, message);
        const Finished finished = RunCalc(commandLine);
        QCOMPARE(finished.err, message);
        QCOMPARE(finished.out, QString());
        QCOMPARE(finished.status, status);
    }

    void helpAndVersionGoToStandardOutput_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("version") << "--version"
                                 << "ferol-calc " FEROL_VERSION;
        QTest::newRow("general help") << "--help"
                                      << "Usage: ferol-calc COMMAND ARGUMENTS [options]";
        QTest::newRow("help wins over bad arguments")
            << "split 300.0.0.0 -h"
            << "Usage: ferol-calc split NETWORK/LEN NEWLEN [options]";
    }
    void helpAndVersionGoToStandardOutput()
    {
        QFETCH(QString, commandLine);
        QFETCH(QString, firstLine);
        const Finished finished = RunCalc(commandLine);
        QCOMPARE(finished.status, 0);
        QCOMPARE(finished.err, QString());
        QCOMPARE(finished.out.section(QLatin1Char('\n'), 0, 0), firstLine);
    }

    void loadsNoGuiLibrary()
    {
        const Finished ldd = RunProgram(QStringLiteral("ldd"), {QStringLiteral(FEROL_CALC_PATH)});
        QCOMPARE(ldd.status, 0);
        QVERIFY(ldd.out.contains(QLatin1String("libQt6Core")));
        QVERIFY2(!ldd.out.contains(QLatin1String("libQt6Gui")), qPrintable(ldd.out));
        QVERIFY2(!ldd.out.contains(QLatin1String("libQt6Widgets")), qPrintable(ldd.out));
    }
};

QTEST_GUILESS_MAIN(TestFerolCalc)
#include "tst_ferol_calc.moc"
