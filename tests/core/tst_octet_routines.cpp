#include "core/octet_routines.h"
#include "support/testregistry.h"

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
        QTest::newRow("digits") << "192" << 192.0;
        QTest::newRow("trailing slash") << "12/" << 12.0;
        QTest::newRow("lone slash") << "/" << 0.0;
        QTest::newRow("blanks inside are ignored") << " 1 2\t3\n" << 123.0;
        QTest::newRow("sign") << "-5" << -5.0;
        QTest::newRow("plus sign") << "+7" << 7.0;
        QTest::newRow("one point") << "1.5.3" << 1.5;
        QTest::newRow("exponent") << "2e2x" << 200.0;
        QTest::newRow("exponent without digits stops") << "3e" << 3.0;
        QTest::newRow("letters after digits") << "25abc" << 25.0;
        QTest::newRow("letter first") << "abc25" << 0.0;
        QTest::newRow("high character after digits") << QStringLiteral("9\u00e9") << 9.0;
        QTest::newRow("point only") << "." << 0.0;
        QTest::newRow("overflowing exponent") << "1e999" << std::numeric_limits<double>::infinity();
        QTest::newRow("underflowing exponent") << "1e-999" << 0.0;
    }
    void numericValue()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(NumericValue(text), value);
    }

    void filterOctetKey_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("passes");
        QTest::newRow("Ctrl+C") << 3 << true;
        QTest::newRow("Backspace") << 8 << true;
        QTest::newRow("Enter") << 13 << true;
        QTest::newRow("14") << 14 << false;
        QTest::newRow("Ctrl+V") << 22 << false;
        QTest::newRow("Ctrl+X") << 24 << false;
        QTest::newRow("Ctrl+Z") << 26 << false;
        QTest::newRow("space") << 32 << false;
        QTest::newRow("plus") << int('+') << false;
        QTest::newRow("comma") << int(',') << false;
        QTest::newRow("minus") << int('-') << false;
        QTest::newRow("dot") << int('.') << true;
        QTest::newRow("slash") << int('/') << true;
        QTest::newRow("0") << int('0') << true;
        QTest::newRow("9") << int('9') << true;
        QTest::newRow("colon") << int(':') << false;
        QTest::newRow("A") << int('A') << false;
        QTest::newRow("z") << int('z') << false;
        QTest::newRow("DEL") << 127 << false;
        QTest::newRow("128") << 128 << true;
        QTest::newRow("e acute") << 0xE9 << true;
    }
    void filterOctetKey()
    {
        QFETCH(int, code);
        QFETCH(bool, passes);
        auto key = static_cast<std::int16_t>(code);
        FilterOctetKey(key);
        QCOMPARE(int(key), passes ? code : 0);
    }

    void octetTextColor_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<uint>("color");
        QTest::newRow("255 is black") << "255" << 0u;
        QTest::newRow("256 is red") << "256" << 0xFFu;
        QTest::newRow("empty is black") << "" << 0u;
        QTest::newRow("2555 is red") << "2555" << 0xFFu;
        QTest::newRow("12/ is black") << "12/" << 0u;
    }
    void octetTextColor()
    {
        QFETCH(QString, text);
        QFETCH(uint, color);
        QCOMPARE(OctetTextColor(text), color);
    }

    void roundToInt16_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("rounded");
        QTest::newRow("half to even, down") << 2.5 << 2;
        QTest::newRow("half to even, up") << 3.5 << 4;
        QTest::newRow("negative") << -5.0 << -5;
        QTest::newRow("below the 16-bit range") << -1e9 << -32768;
        QTest::newRow("above the 16-bit range") << 1e9 << 32767;
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << 32767;
    }
    void roundToInt16()
    {
        QFETCH(double, value);
        QFETCH(int, rounded);
        QCOMPARE(int(RoundToInt16(value)), rounded);
    }
};

FEROL_REGISTER_TEST(TestOctetRoutines)
#include "tst_octet_routines.moc"
