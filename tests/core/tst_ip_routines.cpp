#include "core/ip_routines.h"
#include "support/testregistry.h"

#include <QTest>

class TestIpRoutines : public QObject
{
    Q_OBJECT

private slots:
    void binToOctet_data()
    {
        QTest::addColumn<QString>("bits");
        QTest::addColumn<int>("value");
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("eight ones") << "11111111" << 255;
        QTest::newRow("only the first eight count") << "111111110000" << 255;
        QTest::newRow("short string is a short number") << "101" << 5;
        QTest::newRow("two ones") << "11" << 3;
        QTest::newRow("high and low bit") << "10000001" << 129;
        QTest::newRow("blank then one: length without, bits with") << " 1" << 0;
        QTest::newRow("non-binary characters are zeros") << "1x1a" << 10;
    }
    void binToOctet()
    {
        QFETCH(QString, bits);
        QFETCH(int, value);
        QCOMPARE(BinToOctet(bits), value);
    }

    void octetToBin_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("bits");
        QTest::newRow("0") << 0 << "00000000";
        QTest::newRow("5") << 5 << "00000101";
        QTest::newRow("15") << 15 << "00001111";
        QTest::newRow("16") << 16 << "00010000";
        QTest::newRow("192") << 192 << "11000000";
        QTest::newRow("255") << 255 << "11111111";
        QTest::newRow("256 wraps by 255") << 256 << "00000001";
        QTest::newRow("300 wraps by 255") << 300 << "00101101";
        QTest::newRow("510 wraps by 255") << 510 << "00000000";
        QTest::newRow("-5 is FFFB") << -5 << "11111011";
        QTest::newRow("16-bit minimum") << -32768 << "10000000";
    }
    void octetToBin()
    {
        QFETCH(int, value);
        QFETCH(QString, bits);
        QCOMPARE(OctetToBin(static_cast<std::int16_t>(value)), bits);
    }

    void hexDigitToBin_data()
    {
        QTest::addColumn<QString>("digit");
        QTest::addColumn<QString>("bits");
        QTest::newRow("0") << "0"
                           << "0000";
        QTest::newRow("9") << "9"
                           << "1001";
        QTest::newRow("A") << "A"
                           << "1010";
        QTest::newRow("F") << "F"
                           << "1111";
        QTest::newRow("lower case is unknown") << "b"
                                               << "";
        QTest::newRow("blanks around") << " 7 "
                                       << "0111";
        QTest::newRow("last character only") << "1F"
                                             << "1111";
        QTest::newRow("G is unknown") << "G"
                                      << "";
        QTest::newRow("empty") << ""
                               << "";
    }
    void hexDigitToBin()
    {
        QFETCH(QString, digit);
        QFETCH(QString, bits);
        QCOMPARE(HexDigitToBin(digit), bits);
    }

    void bitsToMask_data()
    {
        QTest::addColumn<int>("bits");
        QTest::addColumn<QString>("mask");
        QTest::newRow("0") << 0 << "0.0.0.0";
        QTest::newRow("1") << 1 << "128.0.0.0";
        QTest::newRow("8") << 8 << "255.0.0.0";
        QTest::newRow("9") << 9 << "255.128.0.0";
        QTest::newRow("20") << 20 << "255.255.240.0";
        QTest::newRow("24") << 24 << "255.255.255.0";
        QTest::newRow("31") << 31 << "255.255.255.254";
        QTest::newRow("32") << 32 << "255.255.255.255";
        QTest::newRow("33 leaves the fourth octet empty") << 33 << "255.255.255.";
        QTest::newRow("-1 leaves the first octet empty") << -1 << ".0.0.0";
    }
    void bitsToMask()
    {
        QFETCH(int, bits);
        QFETCH(QString, mask);
        QCOMPARE(BitsToMask(bits), mask);
    }

    void binToDotted_data()
    {
        QTest::addColumn<QString>("bits");
        QTest::addColumn<QString>("dotted");
        QTest::newRow("192.168.1.1") << "11000000101010000000000100000001"
                                     << "192.168.1.1";
        QTest::newRow("32 zeros") << QString(32, QLatin1Char('0')) << "0.0.0.0";
        QTest::newRow("empty") << ""
                               << "0.0.0.0";
        QTest::newRow("one character") << "1"
                                       << "1.0.0.0";
        QTest::newRow("surrounding blanks") << "  11111111111111111111111111111111 "
                                            << "255.255.255.255";
    }
    void binToDotted()
    {
        QFETCH(QString, bits);
        QFETCH(QString, dotted);
        QCOMPARE(BinToDotted(bits), dotted);
    }
};

FEROL_REGISTER_TEST(TestIpRoutines)
#include "tst_ip_routines.moc"
