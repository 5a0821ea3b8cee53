#include "decimal/conversion.h"
#include "support/dotted.h"

#include <QRandomGenerator>
#include <QTest>

class TestConversion : public QObject
{
    Q_OBJECT

private slots:
    // The trip the panel makes: the boxes give the number, and that number typed into the decimal
    // box gives the boxes back. Plain addresses make it in the loop below; these rows are the
    // edges. Rows without boxes start from a typed number.
    void trip_data()
    {
        QTest::addColumn<QString>("octets");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("dotted");
        const auto row = [](const char* name, auto... texts) {
            (QTest::newRow(name) << ... << QString(texts));
        };
        row("empty box counts as 0", "192||1|1", "3221225729", "192.0.1.1");
        row("octets above 255 weigh in", "999|999|999|999", "16826165991", "1002.234.234.231");
        row("16 digits", "0|0|0|1234567890123456", "1.23456789012346E+15", "73585980.138.186.196");
        row("negative first octet", "-1|255|255|255", "-1", "-1.255.255.255");
        row("255.5 carries", "0|0|0|255.5", "255.5", "0.0.1.0");
        row("top half carries past 2^32", "255|255|255|255.5", "4294967295.5", "256.0.0.0");
        row("not finite, then empty", "1e999|0|0|0", "", "0.0.0.0");
        row("blanks inside", "", "32 322 357 77", "192.168.1.1");
        row("huge first part in digits", "", "16777216000000000000000", "1000000000000000.0.0.0");
        row("infinite", "", "1e999", "");
    }
    void trip()
    {
        QFETCH(QString, octets);
        QFETCH(QString, decimal);
        const QStringList boxes = octets.split('|');
        if (!octets.isEmpty())
            QCOMPARE(GeneralNumberText(DottedToDecimal({boxes[0], boxes[1], boxes[2], boxes[3]})),
                     decimal);
        QTEST(DecimalToDotted(decimal), "dotted");
    }

    // Any 32-bit address survives the trip to its number and back.
    void roundTripOfWholeAddresses()
    {
        QRandomGenerator random(20261206);
        for (int run = 0; run < 20000; ++run) {
            const quint32 value = run == 0 ? 0xFFFFFFFFu : random.generate();
            const QStringList parts = Dotted(value).split('.');
            const QString text =
                GeneralNumberText(DottedToDecimal({parts[0], parts[1], parts[2], parts[3]}));
            QCOMPARE(text, QString::number(value));
            QCOMPARE(DecimalToDotted(text), Dotted(value));
        }
    }
};

QTEST_GUILESS_MAIN(TestConversion)
#include "tst_conversion.moc"
