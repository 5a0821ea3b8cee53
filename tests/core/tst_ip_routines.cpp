#include "core/ip_routines.h"

#include "cases.h"

class TestIpRoutines : public QObject
{
    Q_OBJECT

private slots:
    // The length is taken without surrounding blanks, the characters with them.
    void binToOctet_data()
    {
        Cases<QString, int>({{"", 0}, {"111111110000", 255}, {" 1", 0}, {"1x1a", 10}});
    }
    void binToOctet() { Check<QString, int>(BinToOctet); }

    // Over 255 wraps by 255; below 0 shows the first and last hex digits of 16 bits.
    void octetToBin_data()
    {
        Cases<int, QString>({{16, "00010000"},
                             {255, "11111111"},
                             {300, "00101101"},
                             {510, "00000000"},
                             {-17, "11111111"}});
    }
    void octetToBin()
    {
        Check<int, QString>([](int v) { return OctetToBin(std::int16_t(v)); });
    }

    void hexDigitToBin_data()
    {
        Cases<QString, QString>({{"b", ""}, {" 7 ", "0111"}, {"1F", "1111"}});
    }
    void hexDigitToBin() { Check<QString, QString>(HexDigitToBin); }

    void bitsToMask_data()
    {
        Cases<int, QString>({{0, "0.0.0.0"},
                             {9, "255.128.0.0"},
                             {20, "255.255.240.0"},
                             {32, "255.255.255.255"},
                             {33, "255.255.255."},
                             {-1, ".0.0.0"}});
    }
    void bitsToMask() { Check<int, QString>(BitsToMask); }

    void binToDotted_data()
    {
        Cases<QString, QString>({{"11000000101010000000000100000001", "192.168.1.1"},
                                 {"", "0.0.0.0"},
                                 {"1", "1.0.0.0"}});
    }
    void binToDotted() { Check<QString, QString>(BinToDotted); }
};

QTEST_GUILESS_MAIN(TestIpRoutines)
#include "tst_ip_routines.moc"
