#include "core/ip_routines.h"
#include "core/octet_routines.h"
#include "core/pasted_address.h"

#include <QTest>

#include <initializer_list>
#include <limits>
#include <utility>

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// A table of one routine's cases: the columns "in" and "out", a row per case named by its input.
template <typename In, typename Out> void Cases(std::initializer_list<std::pair<In, Out>> cases)
{
    QTest::addColumn<In>("in");
    QTest::addColumn<Out>("out");
    for (const auto& [in, out] : cases) {
        const QString name = QVariant(in).toString().replace('\t', "\\t").replace('\n', "\\n");
        QTest::addRow("'%s'", qPrintable(name.size() > 20 ? name.left(8) + "..." : name))
            << in << out;
    }
}

// Runs the routine on the current row.
template <typename In, typename Out, typename Routine> void Check(Routine routine)
{
    QFETCH(In, in);
    QTEST(Out(routine(in)), "out");
}

} // namespace

class TestRoutines : public QObject
{
    Q_OBJECT

private slots:
    // The length is taken without surrounding blanks, the characters with them.
    void binToOctet_data()
    {
        Cases<QString, int>({{"111111110000", 255}, {" 1", 0}, {"1x1a", 10}});
    }
    void binToOctet() { Check<QString, int>(BinToOctet); }

    // Over 255 wraps by 255; below 0 shows the first and last hex digits of 16 bits.
    void octetToBin_data()
    {
        Cases<std::int16_t, QString>(
            {{16, "00010000"}, {300, "00101101"}, {510, "00000000"}, {-17, "11111111"}});
    }
    void octetToBin() { Check<std::int16_t, QString>(OctetToBin); }

    void numericValue_data()
    {
        const QString zeros(400, '0'); // beyond the range of a double
        Cases<QString, double>({{"", 0},
                                {" 1 2\t3\n4", 1234},
                                {"-1.5.3", -1.5},
                                {"2e2x", 200},
                                {"abc25", 0},
                                {QStringLiteral("9\u00e9"), 9},
                                {"-1e999", -kInfinity},
                                {"1" + zeros + "e-1", kInfinity},
                                {"0." + zeros + "1e+5", 0}});
    }
    void numericValue() { Check<QString, double>(NumericValue); }

    // Halves go to the even neighbour; beyond 16 bits the value holds at the bound.
    void roundToInt16_data()
    {
        Cases<double, int>({{2.5, 2}, {3.5, 4}, {-1e9, -32768}, {kInfinity, 32767}});
    }
    void roundToInt16() { Check<double, int>(RoundToInt16); }

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

    // What a pasted text fills: the address and the mask as written, "" for none; the
    // length, -1 for none.
    void pastedAddress_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("mask");
        QTest::addColumn<int>("length");
        const auto row = [](const char* name, const QString& text, const char* address,
                            const char* mask, int length) {
            QTest::newRow(name) << text << QString(address) << QString(mask) << length;
        };
        row("blanks and a line around", " 192.168.1.130 255.255.255.192\r\n", "192.168.1.130",
            "255.255.255.192", 26);
        row("prefix length 0", "10.1.2.3/0", "10.1.2.3", "", 0);
        row("prefix length 33", "10.1.2.3/33", "", "", -1);
        row("mask after a slash", "10.0.0.1/255.0.0.0", "10.0.0.1", "255.0.0.0", 8);
        row("mask of no length", "1.2.3.4\t0.0.0.255", "1.2.3.4", "0.0.0.255", -1);
        row("mask over 255", "1.2.3.4 255.255.256.0", "1.2.3.4", "255.255.256.0", -1);
        row("octets as written", "999.01.1.1", "999.01.1.1", "", -1);
        row("three parts", "1.2.3", "", "", -1);
        row("words after it", "1.2.3.4 is mine", "", "", -1);
        row("other digits", QStringLiteral("\uff11.2.3.4"), "", "", -1);
    }
    void pastedAddress()
    {
        QFETCH(QString, text);
        const std::optional<PastedAddress> pasted = ParsePastedAddress(text);
        const auto dotted = [](const DottedTexts& octets) {
            return QStringList(octets.begin(), octets.end()).join('.');
        };
        QTEST(pasted ? dotted(pasted->address) : QString(), "address");
        QTEST(pasted && pasted->mask ? dotted(*pasted->mask) : QString(), "mask");
        QTEST(pasted ? pasted->maskLength.value_or(-1) : -1, "length");
    }
};

QTEST_GUILESS_MAIN(TestRoutines)
#include "tst_routines.moc"
