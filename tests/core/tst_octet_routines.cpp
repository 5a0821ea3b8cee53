#include "core/octet_routines.h"

#include "cases.h"

#include <limits>

class TestOctetRoutines : public QObject
{
    Q_OBJECT

private slots:
    void numericValue_data()
    {
        const double infinity = std::numeric_limits<double>::infinity();
        const QString zeros(400, '0'); // beyond the range of a double
        Cases<QString, double>({{"", 0},
                                {" 1 2\t3\n", 123},
                                {"-1.5.3", -1.5},
                                {"2e2x", 200},
                                {"3e", 3},
                                {"abc25", 0},
                                {QStringLiteral("9\u00e9"), 9},
                                {"-1e999", -infinity},
                                {"1" + zeros + "e-1", infinity},
                                {"1e-999", 0},
                                {"0." + zeros + "1", 0},
                                {"0." + zeros + "1e+5", 0}});
    }
    void numericValue() { Check<QString, double>(NumericValue); }

    // Every key code a box filters: the runs that pass unchanged; all others become 0.
    void filterOctetKey()
    {
        QString passing;
        bool previous = false;
        for (int code = 0; code <= 0x8000; ++code) {
            auto key = static_cast<std::int16_t>(code); // 0x8000 wraps: the end of the last run
            FilterOctetKey(key);
            QVERIFY(key == 0 || key == static_cast<std::int16_t>(code));
            if ((key == code) != previous)
                passing +=
                    key == code ? QString::number(code) : '-' + QString::number(code - 1) + ' ';
            previous = key == code;
        }
        QCOMPARE(passing, "0-13 46-57 128-32767 ");
    }

    // Halves go to the even neighbour; beyond 16 bits the value holds at the bound.
    void roundToInt16()
    {
        QStringList rounded;
        for (double value : {2.5, 3.5, -1e9, std::numeric_limits<double>::infinity()})
            rounded << QString::number(RoundToInt16(value));
        QCOMPARE(rounded.join(' '), "2 4 -32768 32767");
    }
};

QTEST_GUILESS_MAIN(TestOctetRoutines)
#include "tst_octet_routines.moc"
