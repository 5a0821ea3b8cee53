// The decimal conversions: dotted -> decimal -> dotted returns every whole 32-bit
// address, and any text gives whole parts that add back up to its number rounded half
// to even.

#include "fuzz_helpers.h"

#include "core/octet_routines.h"
#include "decimal/conversion.h"

#include <QStringList>

#include <cfloat>
#include <cmath>
#include <cstring>

namespace {

// Nearest whole number, halves to the even one, without the library's rounding modes.
double HalfToEven(double n)
{
    const double down = std::floor(n);
    const double fraction = n - down;
    if (fraction != 0.5)
        return fraction < 0.5 ? down : down + 1;
    return std::fmod(down, 2) == 0 ? down : down + 1;
}

void CheckAddress(std::uint32_t x)
{
    const QString dotted = Dotted(x);
    const QStringList parts = SplitIntoOctets(dotted);
    const double decimal = DottedToDecimal({parts[0], parts[1], parts[2], parts[3]});
    FUZZ_CHECK(decimal == x, dotted);
    const QString text = GeneralNumberText(decimal);
    FUZZ_CHECK(text == QString::number(x), dotted + " -> " + text);
    FUZZ_CHECK(DecimalToDotted(text) == dotted, dotted + " -> " + text);
}

void CheckAnyText(const QString& text)
{
    const double n = NumericValue(text);
    const QString dotted = DecimalToDotted(text);
    if (!std::isfinite(n)) {
        FUZZ_CHECK(dotted.isEmpty(), text);
        return;
    }
    const QStringList parts = SplitIntoOctets(dotted);
    FUZZ_CHECK(parts.size() == 4, text + " -> " + dotted);
    double sum = 0;
    for (int k = 0; k < 4; ++k) {
        bool ok = false;
        const double part = parts[k].toDouble(&ok);
        FUZZ_CHECK(ok && part == std::floor(part) && !parts[k].contains(QLatin1Char('e')),
                   text + " -> " + dotted);
        FUZZ_CHECK(k == 0 || (part >= 0 && part <= 255), text + " -> " + dotted);
        sum = sum * 256 + part;
    }
    // Below 2^53 every whole number and every sum of the parts is exact.
    if (std::fabs(n) < 9007199254740992.0)
        FUZZ_CHECK(sum == HalfToEven(n), text + " -> " + dotted);
}

void CheckSplit(const QString& text)
{
    const QStringList parts = SplitIntoOctets(text);
    FUZZ_CHECK(parts.size() <= 4 && parts.join(QLatin1Char('.')) == text, text);
    FUZZ_CHECK(text.isEmpty() == parts.isEmpty(), text);
}

void CheckNumberText(double value)
{
    const QString text = GeneralNumberText(value);
    if (!std::isfinite(value)) {
        FUZZ_CHECK(text.isEmpty(), text);
        return;
    }
    FUZZ_CHECK(!text.startsWith(QStringLiteral("-0")) || text.startsWith(QStringLiteral("-0.")),
               text);
    const double back = NumericValue(text);
    // Fifteen digits round the very largest doubles past the largest one.
    if (std::fabs(value) >= DBL_MIN && std::fabs(value) < 1.79769313486231e308)
        FUZZ_CHECK(std::fabs(back - value) <= std::fabs(value) * 1e-14, text);
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        FUZZ_CHECK(back == value && !text.contains(QLatin1Char('E')), text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    CheckAddress(in.uint32());
    std::uint64_t bits = std::uint64_t{in.uint32()} << 32 | in.uint32();
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    CheckNumberText(value);
    const QString octetText = in.text(24);
    CheckSplit(octetText);
    CheckAnyText(octetText);
    CheckAnyText(in.rest());
    return 0;
}
