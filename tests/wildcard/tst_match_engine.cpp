#include "wildcard/match_engine.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <set>

namespace {

// The values a list names, read back from its text; a line out of format gives -1.
std::set<int> ListedValues(const QString& list)
{
    static const QRegularExpression line(QStringLiteral("^ (\\d+)(?:- (\\d+))?$"));
    std::set<int> values;
    int previousLast = -2;
    QStringList lines = list.split(QStringLiteral("\r\n"));
    if (lines.takeLast() != QString())
        values.insert(-1);
    for (const QString& text : lines) {
        const QRegularExpressionMatch m = line.match(text);
        if (!m.hasMatch()) {
            values.insert(-1);
            continue;
        }
        const int first = m.captured(1).toInt();
        const int last = m.captured(2).isEmpty() ? first : m.captured(2).toInt();
        // Runs are maximal and ascending: each starts past a gap after the one before.
        if (first <= previousLast + 1 || (!m.captured(2).isEmpty() && last <= first))
            values.insert(-1);
        for (int k = first; k <= last; ++k)
            values.insert(k);
        previousLast = last;
    }
    return values;
}

// Every value whose bits agree with the address wherever the mask holds a 0.
std::set<int> BruteForceMatches(int address, int mask)
{
    std::set<int> values;
    for (int k = 0; k <= 255; ++k) {
        bool agrees = true;
        for (int bit = 0; bit < 8; ++bit) {
            const bool maskBit = (mask >> bit) & 1;
            if (!maskBit && ((k >> bit) & 1) != ((address >> bit) & 1))
                agrees = false;
        }
        if (agrees)
            values.insert(k);
    }
    return values;
}

} // namespace

class TestMatchEngine : public QObject
{
    Q_OBJECT

private slots:
    void lists_data()
    {
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("mask");
        QTest::addColumn<QString>("list"); // lines joined by "|"
        QTest::newRow("172/0") << 172 << 0 << " 172";
        QTest::newRow("128/31") << 128 << 31 << " 128- 159";
        QTest::newRow("0/255") << 0 << 255 << " 0- 255";
        QTest::newRow("37/15: masked bits ignored") << 37 << 15 << " 32- 47";
        QTest::newRow("10/5") << 10 << 5 << " 10- 11| 14- 15";
        QTest::newRow("6/170") << 6 << 170
                               << " 4| 6| 12| 14| 36| 38| 44| 46| 132| 134| 140| 142| 164| 166| "
                                  "172| 174";
        QTest::newRow("255/128") << 255 << 128 << " 127| 255";
        QTest::newRow("200/0") << 200 << 0 << " 200";
        QTest::newRow("77/255") << 77 << 255 << " 0- 255";
    }
    void lists()
    {
        QFETCH(int, address);
        QFETCH(int, mask);
        QFETCH(QString, list);
        QCOMPARE(MatchList(address, mask), list.split('|').join("\r\n") + "\r\n");
    }

    void agreesWithBruteForce()
    {
        QRandomGenerator random(9);
        for (int round = 0; round < 2000; ++round) {
            WildcardOctets texts;
            std::array<int, 8> values{};
            for (int box = 0; box < 8; ++box) {
                values[box] = random.bounded(256);
                texts[box] = QString::number(values[box]);
            }
            const WildcardMatch match = MatchWildcard(texts);
            for (int i = 0; i < 4; ++i) {
                const std::set<int> listed = ListedValues(match.lists[i]);
                QVERIFY2(listed == BruteForceMatches(values[i], values[i + 4]),
                         qPrintable(QStringLiteral("%1/%2: %3")
                                        .arg(values[i])
                                        .arg(values[i + 4])
                                        .arg(match.lists[i])));
            }
        }
    }

    void normalisation_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("kept"); // what the box must hold
        QTest::addColumn<int>("value");    // the value the octet counts as
        QTest::newRow("empty") << ""
                               << "0" << 0;
        QTest::newRow("zeros") << "000"
                               << "0" << 0;
        QTest::newRow("leading zero kept") << "01"
                                           << "01" << 1;
        QTest::newRow("255") << "255"
                             << "255" << 255;
        QTest::newRow("256") << "256"
                             << "0" << 0;
        QTest::newRow("2.5 to even") << "2.5"
                                     << "2.5" << 2;
        QTest::newRow("3.5 to even") << "3.5"
                                     << "3.5" << 4;
        QTest::newRow("below one") << "0.9"
                                   << "0" << 0;
        QTest::newRow("just over 255") << "255.1"
                                       << "0" << 0;
        QTest::newRow("high character")
            << QString::fromUtf8("9\u00e9") << QString::fromUtf8("9\u00e9") << 9;
    }
    void normalisation()
    {
        QFETCH(QString, text);
        QFETCH(QString, kept);
        QFETCH(int, value);
        for (int box = 0; box < 8; ++box) {
            WildcardOctets texts = {"1", "2", "3", "4", "0", "0", "0", "0"};
            texts[box] = text;
            const WildcardMatch match = MatchWildcard(texts);
            WildcardOctets expected = texts;
            expected[box] = kept;
            QCOMPARE(match.octets, expected);
            // With a mask of 0 the list names the address value alone; as a mask octet
            // the value decides which values around the address 1, 2, 3 or 4 match.
            const int octet = box % 4;
            if (box < 4) {
                QCOMPARE(match.lists[octet], ' ' + QString::number(value) + "\r\n");
            } else {
                QVERIFY(ListedValues(match.lists[octet]) == BruteForceMatches(octet + 1, value));
            }
            // The panel writes the corrections back and runs again; nothing moves twice.
            const WildcardMatch again = MatchWildcard(match.octets);
            QCOMPARE(again.octets, match.octets);
            QCOMPARE(again.lists, match.lists);
        }
    }
};

QTEST_GUILESS_MAIN(TestMatchEngine)
#include "tst_match_engine.moc"
