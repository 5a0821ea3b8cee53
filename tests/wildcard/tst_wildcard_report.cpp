#include "wildcard/report.h"

#include <QTest>

class TestWildcardReport : public QObject
{
    Q_OBJECT

private slots:
    // Texts go in as the boxes hold them: leading zeros, a character above 127 (UTF-8, no
    // byte-order mark), lists with LF or CR LF, one typed over without a final line end.
    void bytes()
    {
        const WildcardOctets octets = {"01", "2", "3", "4\u00e9", "0", "0", "31", "255"};
        const WildcardLists lists = {" 1\n", " 2\r\n 3\r\n", "typed", " 0- 255\n"};
        const QString expected = "www.ferol.example Wildcard mask checker|||IP Address:    "
                                 "01.2.3.4\u00e9|Wildcard mask: 0.0.31.255| |First Octet "
                                 "Match(es)| 1|| |Second Octet Match(es)| 2| 3|| |Third Octet "
                                 "Match(es)|typed| |Fourth Octet Match(es)| 0- 255|| |";
        QCOMPARE(WildcardReportBytes(octets, lists),
                 QString(expected).replace('|', "\r\n").toUtf8());
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
        WildcardOctets octets = {"172", "16", "128", "0", "0", "0", "31", "255"};
        octets[box] = text;
        const QByteArray bytes = WildcardReportBytes(octets, {" 1\n", " 2\n", " 3\n", " 4\n"});
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
        QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestWildcardReport)
#include "tst_wildcard_report.moc"
