#include "core/ip_routines.h"

#include <QTest>

class TestIpRoutines : public QObject
{
    Q_OBJECT

private slots:
    // Each row: routine, argument, result. Numbers travel as text to keep one table.
    void conversions_data()
    {
        QTest::addColumn<QString>("routine");
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("result");
        const auto row = [](const char* name, const char* routine, const char* argument,
                            const char* result) {
            QTest::newRow(name) << QString(routine) << QString(argument) << QString(result);
        };
        row("bin: empty", "BinToOctet", "", "0");
        row("bin: first eight only", "BinToOctet", "111111110000", "255");
        row("bin: short is small", "BinToOctet", "101", "5");
        row("bin: blank then one", "BinToOctet", " 1", "0");
        row("bin: non-binary are zeros", "BinToOctet", "1x1a", "10");
        row("oct: 0", "OctetToBin", "0", "00000000");
        row("oct: 16", "OctetToBin", "16", "00010000");
        row("oct: 255", "OctetToBin", "255", "11111111");
        row("oct: 300 wraps by 255", "OctetToBin", "300", "00101101");
        row("oct: 510 wraps by 255", "OctetToBin", "510", "00000000");
        row("oct: -5", "OctetToBin", "-5", "11111011");
        row("hex: lower case", "HexDigitToBin", "b", "");
        row("hex: blanks around", "HexDigitToBin", " 7 ", "0111");
        row("hex: last character", "HexDigitToBin", "1F", "1111");
        row("mask: 0", "BitsToMask", "0", "0.0.0.0");
        row("mask: 9", "BitsToMask", "9", "255.128.0.0");
        row("mask: 20", "BitsToMask", "20", "255.255.240.0");
        row("mask: 32", "BitsToMask", "32", "255.255.255.255");
        row("mask: 33", "BitsToMask", "33", "255.255.255.");
        row("mask: -1", "BitsToMask", "-1", ".0.0.0");
        row("dotted: address", "BinToDotted", "11000000101010000000000100000001", "192.168.1.1");
        row("dotted: empty", "BinToDotted", "", "0.0.0.0");
        row("dotted: one character", "BinToDotted", "1", "1.0.0.0");
    }
    void conversions()
    {
        QFETCH(QString, routine);
        QFETCH(QString, argument);
        QFETCH(QString, result);
        QString actual;
        if (routine == "BinToOctet")
            actual = QString::number(BinToOctet(argument));
        else if (routine == "OctetToBin")
            actual = OctetToBin(static_cast<std::int16_t>(argument.toInt()));
        else if (routine == "HexDigitToBin")
            actual = HexDigitToBin(argument);
        else if (routine == "BitsToMask")
            actual = BitsToMask(argument.toInt());
        else
            actual = BinToDotted(argument);
        QCOMPARE(actual, result);
    }
};

QTEST_GUILESS_MAIN(TestIpRoutines)
#include "tst_ip_routines.moc"
