#include "wildcard/report.h"

#include <QTest>

namespace {

const WildcardOctets kInitialOctets = {"172", "16", "128", "0", "0", "0", "31", "255"};

QByteArray Lines(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

} // namespace

class TestWildcardReport : public QObject
{
    Q_OBJECT

private slots:
    // The boxes hand their lists back with LF; the file has CR LF whatever they hold.
    void initialValues_data()
    {
        QTest::addColumn<QString>("lineEnd");
        QTest::newRow("LF from the boxes") << "\n";
        QTest::newRow("CR LF") << "\r\n";
    }
    void initialValues()
    {
        QFETCH(QString, lineEnd);
        const WildcardLists lists = {" 172" + lineEnd, " 16" + lineEnd, " 128- 159" + lineEnd,
                                     " 0- 255" + lineEnd};
        const QByteArray expected = Lines({
            "www.ferol.example Wildcard mask checker",
            "",
            "",
            "IP Address:    172.16.128.0",
            "Wildcard mask: 0.0.31.255",
            " ",
            "First Octet Match(es)",
            " 172",
            "",
            " ",
            "Second Octet Match(es)",
            " 16",
            "",
            " ",
            "Third Octet Match(es)",
            " 128- 159",
            "",
            " ",
            "Fourth Octet Match(es)",
            " 0- 255",
            "",
            " ",
        });
        QCOMPARE(WildcardReportBytes(kInitialOctets, lists), expected);
    }

    // Octet texts and lists go in as they stand: leading zeros, a list the user typed
    // over without a final line end, a character above 127 as UTF-8.
    void textsAsTheyStand()
    {
        const WildcardOctets octets = {"01", "2", "3", QString::fromUtf8("4\u00e9"),
                                       "0",  "0", "0", "0"};
        const WildcardLists lists = {" 1\n", " 2\n 3\n", "typed", " 4\n"};
        const QByteArray bytes = WildcardReportBytes(octets, lists);
        QVERIFY(bytes.contains("\r\nIP Address:    01.2.3.4\xc3\xa9\r\n"));
        QVERIFY(bytes.contains("\r\nSecond Octet Match(es)\r\n 2\r\n 3\r\n\r\n \r\n"));
        QVERIFY(bytes.contains("\r\nThird Octet Match(es)\r\ntyped\r\n \r\n"));
        QVERIFY(!bytes.startsWith("\xef\xbb\xbf"));
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    }

    // A pasted line break stays in an octet box (its value is that of the digits before
    // it); in the file it still ends a line with CR LF.
    void lineBreakInABox_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("text");
        QTest::newRow("LF in an address octet") << 0 << "215\n";
        QTest::newRow("CR in a mask octet") << 5 << "3\r7";
        QTest::newRow("CR LF in an octet") << 3 << "1\r\n";
    }
    void lineBreakInABox()
    {
        QFETCH(int, box);
        QFETCH(QString, text);
        WildcardOctets octets = kInitialOctets;
        octets[box] = text;
        const QByteArray bytes = WildcardReportBytes(octets, {" 1\n", " 2\n", " 3\n", " 4\n"});
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
        QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestWildcardReport)
#include "tst_wildcard_report.moc"
