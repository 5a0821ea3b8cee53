#include "core/ip_routines.h"

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
        QTest::newRow("first eight only") << "111111110000" << 255;
        QTest::newRow("short is small") << "101" << 5;
        QTest::newRow("blank then one") << " 1" << 0;
        QTest::newRow("non-binary are zeros") << "1x1a" << 10;
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
        QTest::newRow("16") << 16 << "00010000";
        QTest::newRow("255") << 255 << "11111111";
        QTest::newRow("300 wraps by 255") << 300 << "00101101";
        QTest::newRow("510 wraps by 255") << 510 << "00000000";
        QTest::newRow("-5") << -5 << "11111011";
        QTest::newRow("-17 skips the middle digits") << -17 << "11111111";
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
        QTest::newRow("lower case") << "b"
                                    << "";
        QTest::newRow("blanks around") << " 7 "
                                       << "0111";
        QTest::newRow("last character") << "1F"
                                        << "1111";
    }
    void hexDigitToBin()
    {
        QFETCH(QString, digit);
        QFETCH(QString, bits);
        QCOMPARE(HexDigitToBin(digit), bits);
    }

    void bitsToMask_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("mask");
        QTest::newRow("0") << 0 << "0.0.0.0";
        QTest::newRow("9") << 9 << "255.128.0.0";
        QTest::newRow("20") << 20 << "255.255.240.0";
        QTest::newRow("32") << 32 << "255.255.255.255";
        QTest::newRow("33") << 33 << "255.255.255.";
        QTest::newRow("-1") << -1 << ".0.0.0";
    }
    void bitsToMask()
    {
        QFETCH(int, length);
        QFETCH(QString, mask);
        QCOMPARE(BitsToMask(length), mask);
    }

    void binToDotted_data()
    {
        QTest::addColumn<QString>("bits");
        QTest::addColumn<QString>("dotted");
        QTest::newRow("address") << "11000000101010000000000100000001"
                                 << "192.168.1.1";
        QTest::newRow("empty") << ""
                               << "0.0.0.0";
        QTest::newRow("one character") << "1"
                                       << "1.0.0.0";
    }
    void binToDotted()
    {
        QFETCH(QString, bits);
        QFETCH(QString, dotted);
        QCOMPARE(BinToDotted(bits), dotted);
    }
};

QTEST_GUILESS_MAIN(TestIpRoutines)
#include "tst_ip_routines.moc"
