#include "wildcard/match_engine.h"
#include "wildcard/report.h"

#include <QTest>

class TestWildcardLogic : public QObject
{
    Q_OBJECT

private slots:
    // Runs ascending, one a line; a value on its own without a dash.
    void lists()
    {
        QCOMPARE(MatchList(100, 0), " 100\r\n");
        QCOMPARE(MatchList(10, 5), " 10- 11\r\n 14- 15\r\n");
        QCOMPARE(MatchList(255, 128), " 127\r\n 255\r\n");
        QString odd; // the longest list there is
        for (int k = 1; k < 256; k += 2)
            odd += QString(" %1\r\n").arg(k);
        QCOMPARE(MatchList(1, 254), odd);
    }

    // In each of the eight boxes: what the box must hold and the value the octet counts as.
    void normalisation_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<int>("value");
        const auto row = [](const char* text, const char* kept, int value) {
            QTest::newRow(text) << QString(text) << QString(kept) << value;
        };
        row("", "0", 0);
        row("0.9", "0", 0);
        row("01", "01", 1);
        row("255", "255", 255);
        row("255.1", "0", 0);
        row("3.5", "3.5", 4);
    }
    void normalisation()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        for (int box = 0; box < 8; ++box) {
            WildcardOctets texts = {"1", "2", "3", "4", "0", "0", "0", "0"};
            texts[box] = text;
            const WildcardMatch match = MatchWildcard(texts);
            QTEST(match.octets[box], "kept");
            QCOMPARE(match.lists[box % 4],
                     box < 4 ? MatchList(value, 0) : MatchList(box - 3, value));
        }
    }

    // The report takes the texts as the boxes hold them: leading zeros, a character above 127
    // (UTF-8, no byte-order mark), lists with LF or CR LF, one typed over without a final line end.
    // A line break pasted into an octet box (CR LF, CR or LF alone) still ends a line with CR LF.
    void report()
    {
        const WildcardOctets octets = {"01", "2\r\n", "3\r7", "4\u00e9", "0", "0\n", "31", "255"};
        const WildcardLists lists = {" 1\n", " 2\r\n 3\r\n", "typed", " 0- 255\n"};
        const QString expected = "www.ferol.example Wildcard mask checker|||IP Address:    "
                                 "01.2|.3|7.4\u00e9|Wildcard mask: 0.0|.31.255| |First Octet "
                                 "Match(es)| 1|| |Second Octet Match(es)| 2| 3|| |Third Octet "
                                 "Match(es)|typed| |Fourth Octet Match(es)| 0- 255|| |";
        QCOMPARE(WildcardReportBytes(octets, lists),
                 QString(expected).replace('|', "\r\n").toUtf8());
    }
};

QTEST_GUILESS_MAIN(TestWildcardLogic)
#include "tst_wildcard_logic.moc"
