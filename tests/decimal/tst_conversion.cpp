#include "decimal/conversion.h"

#include <QRandomGenerator>
#include <QTest>

class TestConversion : public QObject
{
    Q_OBJECT

private slots:
    void dottedToDecimal_data()
    {
        QTest::addColumn<QStringList>("octets");
        QTest::addColumn<QString>("decimal");
        const auto row = [](const char* name, const char* octets, const char* decimal) {
            QTest::newRow(name) << QString(octets).split('|') << QString(decimal);
        };
        row("all ones", "255|255|255|255", "4294967295");
        row("192.168.1.1", "192|168|1|1", "3232235777");
        row("172.16.128.14", "172|16|128|14", "2886762510");
        row("63.86.208.123", "63|86|208|123", "1062654075");
        row("zero", "0|0|0|0", "0");
        row("empty box counts as 0", "192||1|1", "3221225729");
        row("octets above 255 weigh in", "999|999|999|999", "16826165991");
        row("just below 10^15", "0|0|0|999999999999999", "999999999999999");
        row("16 digits in the last box", "0|0|0|1234567890123456", "1.23456789012346E+15");
        row("negative first octet", "-1|255|255|255", "-1");
        row("pasted fraction", "0|0|0|1.5", "1.5");
        row("negative zero", "-0|-0|-0|-0", "0");
        row("not finite", "1e999|0|0|0", "");
        row("infinities cancel", "1e999|0|0|-1e999", "");
    }
    void dottedToDecimal()
    {
        QFETCH(QStringList, octets);
        QFETCH(QString, decimal);
        const std::array<QString, 4> boxes = {octets[0], octets[1], octets[2], octets[3]};
        QCOMPARE(GeneralNumberText(DottedToDecimal(boxes)), decimal);
    }

    void decimalToDotted_data()
    {
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("dotted");
        const auto row = [](const char* name, const char* decimal, const char* dotted) {
            QTest::newRow(name) << QString(decimal) << QString(dotted);
        };
        row("all ones", "4294967295", "255.255.255.255");
        row("192.168.1.1", "3232235777", "192.168.1.1");
        row("172.16.128.14", "2886762510", "172.16.128.14");
        row("63.86.208.123", "1062654075", "63.86.208.123");
        row("zero", "0", "0.0.0.0");
        row("2^32", "4294967296", "256.0.0.0");
        row("minus one", "-1", "-1.255.255.255");
        row("1.5 to even", "1.5", "0.0.0.2");
        row("2.5 to even", "2.5", "0.0.0.2");
        row("256.5 to even", "256.5", "0.0.1.0");
        row("255.5 carries", "255.5", "0.0.1.0");
        row("top half carries", "4294967295.5", "256.0.0.0");
        row("blanks inside", "32 322 357 77", "192.168.1.1");
        row("trailing letters", "3232235777abc", "192.168.1.1");
        row("empty", "", "0.0.0.0");
        row("not a number", "abc", "0.0.0.0");
        row("small negative", "-0.4", "0.0.0.0");
        row("huge first part in digits", "16777216000000000000000", "1000000000000000.0.0.0");
        row("1e20", "1e20", "5960464477539.16.0.0");
        row("infinite", "1e999", "");
        row("minus infinite", "-1e999", "");
    }
    void decimalToDotted()
    {
        QFETCH(QString, decimal);
        QFETCH(QString, dotted);
        QCOMPARE(DecimalToDotted(decimal), dotted);
    }

    // Any 32-bit address survives the trip to its number and back.
    void roundTripOfWholeAddresses()
    {
        QRandomGenerator random(20261206);
        for (int run = 0; run < 20000; ++run) {
            const quint32 value = run == 0 ? 0xFFFFFFFFu : random.generate();
            const QString dotted = QString("%1.%2.%3.%4")
                                       .arg(value >> 24)
                                       .arg((value >> 16) & 0xFF)
                                       .arg((value >> 8) & 0xFF)
                                       .arg(value & 0xFF);
            const QStringList parts = dotted.split('.');
            const double number = DottedToDecimal({parts[0], parts[1], parts[2], parts[3]});
            const QString text = GeneralNumberText(number);
            QCOMPARE(text, QString::number(value));
            QCOMPARE(DecimalToDotted(text), dotted);
        }
    }
};

QTEST_GUILESS_MAIN(TestConversion)
#include "tst_conversion.moc"
