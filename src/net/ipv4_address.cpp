#include "net/ipv4_address.h"

#include <bit>

namespace net {

Parsed<Ipv4Address> Ipv4Address::parse(std::string_view text)
{
    if (text.empty())
        return ParseError::Empty;
    std::uint32_t value = 0;
    int octets = 0;
    std::size_t i = 0;
    for (;;) {
        const std::size_t start = i;
        unsigned octet = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9' && i - start < 4) {
            octet = octet * 10 + unsigned(text[i] - '0');
            ++i;
        }
        const std::size_t digits = i - start;
        if (digits == 0 || digits > 3)
            return ParseError::Malformed;
        if (digits > 1 && text[start] == '0')
            return ParseError::LeadingZero;
        if (octet > 255)
            return ParseError::OutOfRange;
        value = (value << 8) | octet;
        ++octets;
        if (i == text.size())
            break;
        if (text[i] != '.' || octets == 4)
            return ParseError::Malformed;
        ++i;
    }
    if (octets != 4)
        return ParseError::Malformed;
    return Ipv4Address(value);
}

std::string Ipv4Address::toString() const
{
    char text[15];
    char* out = text;
    for (const unsigned octet : octets()) {
        if (out != text)
            *out++ = '.';
        if (octet >= 100)
            *out++ = char('0' + octet / 100);
        if (octet >= 10)
            *out++ = char('0' + octet / 10 % 10);
        *out++ = char('0' + octet % 10);
    }
    return std::string(text, out);
}

std::optional<int> Ipv4PrefixLengthOfMask(Ipv4Address mask)
{
    const int length = std::countl_one(mask.value());
    if (Ipv4MaskOfLength(length) != mask)
        return std::nullopt;
    return length;
}

} // namespace net
