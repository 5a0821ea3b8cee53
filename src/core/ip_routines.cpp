#include "core/ip_routines.h"

#include <array>

namespace {

const std::array<const char*, 9> kMaskOctets = {"0",   "128", "192", "224", "240",
                                                "248", "252", "254", "255"};

QString MaskOctet(int leadingOnes)
{
    if (leadingOnes < 0 || leadingOnes > 8)
        return {};
    return QString::fromLatin1(kMaskOctets[static_cast<std::size_t>(leadingOnes)]);
}

} // namespace

int BinToOctet(const QString& s)
{
    // The length is measured without surrounding blanks but the characters are read
    // from the untrimmed text: " 1" has length 1 and its first character is a blank.
    const qsizetype n = qMin<qsizetype>(s.trimmed().size(), 8);
    int value = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (s.at(i) == QLatin1Char('1'))
            value += 1 << (n - 1 - i);
    }
    return value;
}

QString OctetToBin(std::int16_t v)
{
    int value = v;
    if (value > 255)
        value %= 255;
    const QString hex = QString::number(static_cast<std::uint16_t>(value), 16).toUpper();
    const QString high = hex.size() > 1 ? HexDigitToBin(hex.left(1)) : QStringLiteral("0000");
    return high + HexDigitToBin(hex.right(1));
}

QString HexDigitToBin(const QString& s)
{
    const QString digit = s.trimmed().right(1);
    if (digit.isEmpty())
        return {};
    const QChar c = digit.at(0);
    int value = -1;
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        value = c.unicode() - '0';
    else if (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
        value = c.unicode() - 'A' + 10;
    if (value < 0)
        return {};
    return QStringLiteral("%1").arg(value, 4, 2, QLatin1Char('0'));
}

QString BitsToMask(int n)
{
    std::array<int, 4> counts = {n, 0, 0, 0};
    for (std::size_t k = 0; k < 3 && n > 8; ++k) {
        counts[k] = 8;
        counts[k + 1] = n - 8;
        n -= 8;
    }
    return MaskOctet(counts[0]) + QLatin1Char('.') + MaskOctet(counts[1]) + QLatin1Char('.') +
           MaskOctet(counts[2]) + QLatin1Char('.') + MaskOctet(counts[3]);
}

QString BinToDotted(const QString& s)
{
    const QString bits = s.trimmed();
    QString dotted;
    for (int k = 0; k < 4; ++k) {
        if (k > 0)
            dotted += QLatin1Char('.');
        dotted += QString::number(BinToOctet(bits.mid(8 * k, 8)));
    }
    return dotted;
}
