#include "net/number_text.h"

namespace net {

Parsed<std::uint64_t> ParseWholeNumber(std::string_view text, std::uint64_t max)
{
    if (text.empty())
        return ParseError::Empty;
    // Nineteen digits stay inside 64 bits, whatever max is.
    if (text.size() > 19)
        return ParseError::OutOfRange;
    std::uint64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return ParseError::Malformed;
        value = value * 10 + std::uint64_t(c - '0');
    }
    if (text.size() > 1 && text[0] == '0')
        return ParseError::LeadingZero;
    if (value > max)
        return ParseError::OutOfRange;
    return value;
}

Parsed<int> ParsePrefixLength(std::string_view text, int maxLength)
{
    const auto length = ParseWholeNumber(text, std::uint64_t(maxLength));
    if (!length)
        return ParseError::BadPrefixLength;
    return int(*length);
}

} // namespace net
