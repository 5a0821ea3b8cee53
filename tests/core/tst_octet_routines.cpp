#include "core/octet_routines.h"

#include <QTest>

#include <limits>

class TestOctetRoutines : public QObject
{
    Q_OBJECT

private slots:
    void numericValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("trailing slash") << "12/" << 12.0;
        QTest::newRow("lone slash") << "/" << 0.0;
        QTest::newRow("blanks inside") << " 1 2\t3\n" << 123.0;
        QTest::newRow("sign and point") << "-1.5.3" << -1.5;
        QTest::newRow("exponent") << "2e2x" << 200.0;
        QTest::newRow("bare exponent letter") << "3e" << 3.0;
        QTest::newRow("letter first") << "abc25" << 0.0;
        QTest::newRow("high character") << QStringLiteral("9\u00e9") << 9.0;
        const double infinity = std::numeric_limits<double>::infinity();
        QTest::newRow("huge") << "1e999" << infinity;
        QTest::newRow("huge by its digits") << "1" + QString(400, '0') + "e-1" << infinity;
        QTest::newRow("huge negative") << "-1e999" << -infinity;
        QTest::newRow("tiny") << "1e-999" << 0.0;
        QTest::newRow("tiny by its zeros") << "0." + QString(400, '0') + "1" << 0.0;
        QTest::newRow("tiny despite a plus") << "0." + QString(400, '0') + "1e+5" << 0.0;
    }
    void numericValue()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(NumericValue(text), value);
    }

    void filterOctetKey_data()
    {
        QTest::addColumn<QList<int>>("codes");
        QTest::addColumn<bool>("pass");
        QTest::newRow("controls") << QList<int>{0, 3, 8, 9, 13} << true;
        QTest::newRow("dot, slash, digits") << QList<int>{'.', '/', '0', '9'} << true;
        QTest::newRow("128 and above") << QList<int>{128, 0xE9, 0x7FFF} << true;
        QTest::newRow("Ctrl+V, X, Z") << QList<int>{22, 24, 26, 14, 27} << false;
        QTest::newRow("blank and signs") << QList<int>{' ', '+', '-', ','} << false;
        QTest::newRow("letters and DEL") << QList<int>{':', 'A', 'z', 127} << false;
    }
    void filterOctetKey()
    {
        QFETCH(QList<int>, codes);
        QFETCH(bool, pass);
        for (int code : codes) {
            auto key = static_cast<std::int16_t>(code);
            FilterOctetKey(key);
            QCOMPARE(int(key), pass ? code : 0);
        }
    }

    void colourAndRounding()
    {
        QCOMPARE(OctetTextColor("255"), 0u);
        QCOMPARE(OctetTextColor("256"), 0xFFu);
        QCOMPARE(int(RoundToInt16(2.5)), 2);
        QCOMPARE(int(RoundToInt16(3.5)), 4);
        QCOMPARE(int(RoundToInt16(-1e9)), -32768);
        QCOMPARE(int(RoundToInt16(std::numeric_limits<double>::infinity())), 32767);
    }
};

QTEST_GUILESS_MAIN(TestOctetRoutines)
#include "tst_octet_routines.moc"
