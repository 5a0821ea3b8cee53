// Octet text conversions and the key rules, checked against plain integer arithmetic and
// the C library's number reader.

#include "fuzz_helpers.h"

#include "core/ip_routines.h"
#include "core/octet_routines.h"
#include "core/pasted_address.h"

#include <QStringList>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

bool IsBinary(const QString& s)
{
    for (QChar c : s) {
        if (c != QLatin1Char('0') && c != QLatin1Char('1'))
            return false;
    }
    return true;
}

void CheckOctetToBin(std::int16_t v)
{
    const QString bin = OctetToBin(v);
    FUZZ_CHECK(bin.size() == 8 && IsBinary(bin), QString::number(v) + " -> " + bin);
    if (v >= 0) {
        const int expected = v > 255 ? v % 255 : v;
        FUZZ_CHECK(BinToOctet(bin) == expected, QString::number(v) + " -> " + bin);
    }
}

void CheckMask(int n)
{
    const QStringList parts = BitsToMask(n).split(QLatin1Char('.'));
    FUZZ_CHECK(parts.size() == 4, QString::number(n));
    if (n < 0 || n > 32)
        return;
    std::uint32_t mask = 0;
    for (const QString& part : parts)
        mask = mask << 8 | part.toUInt();
    const std::uint32_t expected = n == 0 ? 0 : ~std::uint32_t{0} << (32 - n);
    FUZZ_CHECK(mask == expected, QString::number(n) + " -> " + parts.join(QLatin1Char('.')));
}

void CheckBinToDotted(std::uint32_t x, const QString& noise)
{
    const QString bits = Bits(x);
    FUZZ_CHECK(BinToDotted(bits) == Dotted(x), bits);
    // Whatever the text, the result is four octets.
    const QStringList parts = BinToDotted(noise).split(QLatin1Char('.'));
    FUZZ_CHECK(parts.size() == 4, noise);
    for (const QString& part : parts) {
        bool ok = false;
        const uint value = part.toUInt(&ok);
        FUZZ_CHECK(ok && value <= 255 && part == QString::number(value), noise);
    }
}

void CheckHexDigit(const QString& s)
{
    const QString bits = HexDigitToBin(s);
    const QString trimmed = s.trimmed();
    const QChar last = trimmed.isEmpty() ? QChar() : trimmed.back();
    const int digit = QStringLiteral("0123456789ABCDEF").indexOf(last);
    if (trimmed.isEmpty() || digit < 0) {
        FUZZ_CHECK(bits.isEmpty(), s);
        return;
    }
    FUZZ_CHECK(bits.size() == 4 && IsBinary(bits) && bits.toInt(nullptr, 2) == digit, s);
}

// The C library reads the same grammar once the ignored blanks are gone and the text is
// cut before the first character no number can hold (which also keeps out its hex,
// "inf" and "nan" forms).
double ReferenceValue(const QString& text)
{
    std::string ascii;
    for (QChar c : text) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n'))
            continue;
        if (c.unicode() >= 128 || !std::strchr("0123456789+-.eE", c.toLatin1()))
            break;
        ascii.push_back(c.toLatin1());
    }
    return std::strtod(ascii.c_str(), nullptr);
}

void CheckNumericValue(const QString& text)
{
    const double value = NumericValue(text);
    const double reference = ReferenceValue(text);
    // Values too small for a normal double may read as zero.
    const bool bothTiny = std::fabs(value) < DBL_MIN && std::fabs(reference) < DBL_MIN;
    FUZZ_CHECK(value == reference || bothTiny, text + " -> " + QString::number(value, 'g', 17) +
                                                   ", expected " +
                                                   QString::number(reference, 'g', 17));

    FUZZ_CHECK(OctetTextColor(text) == (value > 255 ? 255u : 0u), text);

    const std::int16_t rounded = RoundToInt16(value);
    if (std::fabs(value) < 32767)
        FUZZ_CHECK(std::fabs(rounded - value) <= 0.5, text);
    else if (!std::isnan(value))
        FUZZ_CHECK(rounded == (value > 0 ? 32767 : -32768), text);
}

// A whole number with blanks, tabs and line feeds spread through it, two bits of
// pattern per gap.
void CheckSpreadNumber(std::int32_t whole, std::uint32_t pattern)
{
    static const char* const kGaps[] = {"", " ", "\t", "\n"};
    QString spread;
    for (QChar c : QString::number(whole)) {
        spread += c + QLatin1String(kGaps[pattern & 3]);
        pattern >>= 2;
    }
    FUZZ_CHECK(NumericValue(spread) == whole, spread);
}

void CheckKeyFilter(std::int16_t code)
{
    std::int16_t filtered = code;
    FilterOctetKey(filtered);
    const bool passes = code < 14 || (code >= 46 && code <= 57) || code >= 128;
    FUZZ_CHECK(filtered == (passes ? code : 0), QString::number(code));
}

// An address with a length or a contiguous mask reads back as written; any other text
// gives nothing, or octets of one to three ASCII digits and a length of 0 to 32.
void CheckPastedAddress(std::uint32_t x, int m, const QString& noise)
{
    const std::uint32_t mask = m == 0 ? 0 : ~std::uint32_t{0} << (32 - m);
    for (const QString& text : {Dotted(x) + QLatin1Char('/') + QString::number(m),
                                Dotted(x) + QLatin1Char(' ') + Dotted(mask)}) {
        const std::optional<PastedAddress> pasted = ParsePastedAddress(text);
        FUZZ_CHECK(pasted && pasted->maskLength == m, text);
        const DottedTexts& octets = pasted->address;
        FUZZ_CHECK(QStringList(octets.begin(), octets.end()).join(QLatin1Char('.')) == Dotted(x),
                   text);
    }
    const std::optional<PastedAddress> pasted = ParsePastedAddress(noise);
    if (!pasted)
        return;
    for (const QString& octet : pasted->address) {
        FUZZ_CHECK(octet.size() >= 1 && octet.size() <= 3, noise);
        for (QChar c : octet)
            FUZZ_CHECK(c >= QLatin1Char('0') && c <= QLatin1Char('9'), noise);
    }
    FUZZ_CHECK(pasted->maskLength.value_or(0) >= 0 && pasted->maskLength.value_or(0) <= 32, noise);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    const auto small = static_cast<std::int16_t>(in.intIn(-32768, 32767));
    CheckOctetToBin(small);
    CheckKeyFilter(small);
    CheckMask(in.intIn(-40, 40));
    const int length = in.intIn(0, 32);
    const std::uint32_t x = in.uint32();
    const auto whole = static_cast<std::int32_t>(in.uint32());
    CheckSpreadNumber(whole, in.uint32());
    const QString noise = in.text(48);
    CheckBinToDotted(x, noise);
    CheckHexDigit(noise);
    CheckPastedAddress(x, length, noise);
    FUZZ_CHECK(BinToOctet(noise) >= 0 && BinToOctet(noise) <= 255, noise);
    CheckNumericValue(noise);
    CheckNumericValue(in.rest());
    return 0;
}
