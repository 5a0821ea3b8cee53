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
};

QTEST_GUILESS_MAIN(TestWildcardReport)
#include "tst_wildcard_report.moc"
