#include "wildcard/match_engine.h"

#include <QTest>

class TestMatchEngine : public QObject
{
    Q_OBJECT

private slots:
    // Runs ascending, one a line; a value on its own without a dash.
    void lists()
    {
        const QString lists = MatchList(172, 0) + '|' + MatchList(128, 31) + '|' +
                              MatchList(0, 255) + '|' + MatchList(10, 5) + '|' +
                              MatchList(255, 128);
        QCOMPARE(lists,
                 " 172\r\n| 128- 159\r\n| 0- 255\r\n| 10- 11\r\n 14- 15\r\n| 127\r\n 255\r\n");
        QString odd; // the longest list there is
        for (int k = 1; k < 256; k += 2)
            odd += QString(" %1\r\n").arg(k);
        QCOMPARE(MatchList(1, 254), odd);
    }

    void normalisation_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("kept"); // what the box must hold
        QTest::addColumn<int>("value");    // the value the octet counts as
        const auto row = [](const char* name, const char* text, const char* kept, int value) {
            QTest::newRow(name) << QString(text) << QString(kept) << value;
        };
        row("empty", "", "0", 0);
        row("below one", "0.9", "0", 0);
        row("leading zero kept", "01", "01", 1);
        row("255", "255", "255", 255);
        row("just over 255", "255.1", "0", 0);
        row("2.5 to even", "2.5", "2.5", 2);
        row("3.5 to even", "3.5", "3.5", 4);
    }
    // In each of the eight boxes; MatchList, checked above, gives the list it leads to.
    void normalisation()
    {
        QFETCH(QString, text);
        QFETCH(QString, kept);
        QFETCH(int, value);
        for (int box = 0; box < 8; ++box) {
            WildcardOctets texts = {"1", "2", "3", "4", "0", "0", "0", "0"};
            texts[box] = text;
            const WildcardMatch match = MatchWildcard(texts);
            texts[box] = kept;
            QCOMPARE(match.octets, texts);
            const int octet = box % 4;
            QCOMPARE(match.lists[octet],
                     box < 4 ? MatchList(value, 0) : MatchList(octet + 1, value));
        }
    }
};

QTEST_GUILESS_MAIN(TestMatchEngine)
#include "tst_match_engine.moc"
