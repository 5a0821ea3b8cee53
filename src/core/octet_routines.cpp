#include "core/octet_routines.h"

#include "core/colors.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

// The bounds of the two runs of codes the key rule discards: the control codes from
// "shift out" on, blank and the punctuation up to "-"; then from ":" (after "9") to DEL.
constexpr std::int16_t kShiftOut = 14;
constexpr std::int16_t kHyphen = 45;
constexpr std::int16_t kColon = 58;
constexpr std::int16_t kDel = 127;

bool IsIgnoredBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The leading number of text as plain ASCII, or an empty string when text does not
// begin with one. An exponent marker without digits after it is not part of the number.
std::string LeadingNumber(const QString& text)
{
    std::string chars;
    chars.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) {
        if (IsIgnoredBlank(c))
            continue;
        chars.push_back(c.unicode() < 128 ? static_cast<char>(c.unicode()) : '\x7f');
    }

    std::size_t i = 0;
    const auto digitsFrom = [&](std::size_t from) {
        std::size_t end = from;
        while (end < chars.size() && IsDigit(chars[end]))
            ++end;
        return end;
    };

    if (i < chars.size() && (chars[i] == '+' || chars[i] == '-'))
        ++i;
    std::size_t end = digitsFrom(i);
    bool anyDigit = end > i;
    if (end < chars.size() && chars[end] == '.') {
        const std::size_t fractionEnd = digitsFrom(end + 1);
        anyDigit = anyDigit || fractionEnd > end + 1;
        end = fractionEnd;
    }
    if (!anyDigit)
        return {};

    if (end < chars.size() && (chars[end] == 'e' || chars[end] == 'E')) {
        std::size_t exponent = end + 1;
        if (exponent < chars.size() && (chars[exponent] == '+' || chars[exponent] == '-'))
            ++exponent;
        const std::size_t exponentEnd = digitsFrom(exponent);
        if (exponentEnd > exponent)
            end = exponentEnd;
    }
    return chars.substr(0, end);
}

// For a number too large or too small for a double: whether its first significant digit
// stands at or left of the units place once the exponent is applied. Neither the count of
// leading zeros nor the exponent's sign alone tells this ("0.000…1" and "1000…0e-1").
bool IsHugeMagnitude(const std::string& number)
{
    const std::size_t e = number.find_first_of("eE");
    long long exponent = 0;
    if (e != std::string::npos) {
        std::size_t i = e + 1;
        const bool negative = i < number.size() && number[i] == '-';
        if (i < number.size() && (number[i] == '+' || number[i] == '-'))
            ++i;
        // Saturates far beyond any digit count a text can hold.
        for (; i < number.size() && exponent < 1'000'000'000'000LL; ++i)
            exponent = exponent * 10 + (number[i] - '0');
        if (negative)
            exponent = -exponent;
    }
    const std::string mantissa = number.substr(0, e);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t firstSignificant = mantissa.find_first_not_of("0.");
    if (firstSignificant == std::string::npos)
        return false;
    const long long place = firstSignificant < point
                                ? static_cast<long long>(point - firstSignificant) - 1
                                : -static_cast<long long>(firstSignificant - point);
    return place + exponent >= 0;
}

} // namespace

double NumericValue(const QString& text)
{
    std::string number = LeadingNumber(text);
    if (number.empty())
        return 0.0;

    // from_chars knows no leading "+" and is locale-independent, unlike strtod.
    const bool negative = number.front() == '-';
    if (number.front() == '+' || number.front() == '-')
        number.erase(0, 1);

    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range)
        value = IsHugeMagnitude(number) ? std::numeric_limits<double>::infinity() : 0.0;
    (void)end;
    return negative ? -value : value;
}

void FilterOctetKey(std::int16_t& keyCode)
{
    if (keyCode >= kShiftOut && keyCode <= kHyphen)
        keyCode = 0;
    if (keyCode >= kColon && keyCode <= kDel)
        keyCode = 0;
}

std::uint32_t OctetTextColor(const QString& text)
{
    return NumericValue(text) > 255 ? kRedBgr : kBlackBgr;
}

std::int16_t RoundToInt16(double value)
{
    constexpr double low = std::numeric_limits<std::int16_t>::min();
    constexpr double high = std::numeric_limits<std::int16_t>::max();
    if (std::isnan(value))
        return 0;
    if (value <= low)
        return std::numeric_limits<std::int16_t>::min();
    if (value >= high)
        return std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(std::nearbyint(value)); // default mode: half to even
}
