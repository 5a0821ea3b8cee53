#include "decimal/conversion.h"

#include "core/octet_routines.h"
#include "net/ipv4_address.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace {

constexpr double kFactor1 = 16777216.0; // 2^24
constexpr double kFactor2 = 65536.0;    // 2^16
constexpr double kFactor3 = 256.0;      // 2^8

// Digits of a whole, finite value without exponent or point, however large; the sign only
// when it is negative, so -0 is "0".
QString PlainIntegerDigits(double whole)
{
    whole += 0.0;
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, whole, std::chars_format::fixed);
    return QString::fromLatin1(buffer, static_cast<qsizetype>(result.ptr - buffer));
}

// The address four octet values spell, when each is a whole number from 0 to 255.
std::optional<net::Ipv4Address> WholeAddress(const std::array<double, 4>& values)
{
    std::array<std::uint8_t, 4> octets{};
    for (std::size_t k = 0; k < 4; ++k) {
        if (!(values[k] >= 0 && values[k] <= 255) || values[k] != std::floor(values[k]))
            return std::nullopt;
        octets[k] = std::uint8_t(values[k]);
    }
    return net::Ipv4Address::fromOctets(octets[0], octets[1], octets[2], octets[3]);
}

} // namespace

double DottedToDecimal(const std::array<QString, 4>& octets)
{
    const std::array<double, 4> values = {NumericValue(octets[0]), NumericValue(octets[1]),
                                          NumericValue(octets[2]), NumericValue(octets[3])};
    if (const std::optional<net::Ipv4Address> address = WholeAddress(values))
        return double(address->value());
    // Octets above 255 or below 0 still weigh into the sum, as they always have.
    const auto [a, b, c, d] = values;
    return kFactor1 * a + (kFactor2 * b + (kFactor3 * c + d));
}

QString DecimalToDotted(const QString& decimalText)
{
    double n = NumericValue(decimalText);
    if (!std::isfinite(n))
        return {};
    // Rounding after the split would let a last part of 255.5 become 256; rounding first
    // carries it into the part before. Dividing a whole number by a power of two is exact,
    // so every remainder below is exact too.
    n = std::nearbyint(n);
    if (n >= 0 && n <= double(std::numeric_limits<std::uint32_t>::max()))
        return QString::fromStdString(net::Ipv4Address(std::uint32_t(n)).toString());
    const double o1 = std::floor(n / kFactor1);
    n -= kFactor1 * o1;
    const double o2 = std::floor(n / kFactor2);
    n -= kFactor2 * o2;
    const double o3 = std::floor(n / kFactor3);
    n -= kFactor3 * o3;
    return PlainIntegerDigits(o1) + QLatin1Char('.') + PlainIntegerDigits(o2) + QLatin1Char('.') +
           PlainIntegerDigits(o3) + QLatin1Char('.') + PlainIntegerDigits(n);
}

QString GeneralNumberText(double value)
{
    if (!std::isfinite(value))
        return {};
    value += 0.0;
    // Fifteen significant digits switch to exponent form from 10^15 on, exactly where
    // whole numbers stop being written out.
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    QString text = QString::fromLatin1(buffer, static_cast<qsizetype>(result.ptr - buffer));
    text.replace(QLatin1Char('e'), QLatin1Char('E'));
    return text;
}

QStringList SplitIntoOctets(const QString& dotted)
{
    if (dotted.isEmpty())
        return {};
    QStringList parts = dotted.split(QLatin1Char('.'));
    while (parts.size() > 4)
        parts[3] += QLatin1Char('.') + parts.takeAt(4);
    return parts;
}
