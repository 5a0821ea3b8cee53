#include "net/uint128.h"

#include <algorithm>

namespace net {

namespace {

// Divides by a small number in 32-bit steps, so that no 128-bit division is needed.
std::uint32_t DivideInPlace(UInt128& n, std::uint32_t divisor)
{
    const std::uint64_t parts[4] = {n.high() >> 32, n.high() & 0xFFFFFFFF, n.low() >> 32,
                                    n.low() & 0xFFFFFFFF};
    std::uint64_t quotient[4] = {};
    std::uint64_t remainder = 0;
    for (int k = 0; k < 4; ++k) {
        const std::uint64_t current = remainder << 32 | parts[k];
        quotient[k] = current / divisor;
        remainder = current % divisor;
    }
    n = UInt128(quotient[0] << 32 | quotient[1], quotient[2] << 32 | quotient[3]);
    return static_cast<std::uint32_t>(remainder);
}

} // namespace

Parsed<UInt128> UInt128::parse(std::string_view text)
{
    if (text.empty())
        return ParseError::Empty;
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return ParseError::Malformed;
    if (text.size() > 1 && text[0] == '0')
        return ParseError::LeadingZero;
    UInt128 value;
    for (const char c : text) {
        // Times eight keeps every bit below 2^125; past that only a wrapped sum shows.
        if (value.countlZero() < 3)
            return ParseError::OutOfRange;
        const UInt128 timesEight = value << 3;
        const UInt128 timesTen = timesEight + (value << 1);
        const UInt128 next = timesTen + UInt128(static_cast<std::uint64_t>(c - '0'));
        if (timesTen < timesEight || next < timesTen)
            return ParseError::OutOfRange;
        value = next;
    }
    return value;
}

std::string UInt128::toString() const
{
    std::string digits;
    UInt128 rest = *this;
    do {
        digits += static_cast<char>('0' + DivideInPlace(rest, 10));
    } while (rest != UInt128());
    std::reverse(digits.begin(), digits.end());
    return digits;
}

} // namespace net
