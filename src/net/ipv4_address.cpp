#include "net/ipv4_address.h"

#include <bit>

namespace net {

Parsed<Ipv4Address> Ipv4Address::parse(std::string_view text)
{
    if (text.empty())
        return ParseError::Empty;
    // Each octet's digits read one by one without a loop, since a batch reads millions of
    // addresses. The faults are named as they are met from the left, and within an octet a
    // fourth digit before a leading zero before a value over 255.
    const char* at = text.data();
    const char* const end = at + text.size();
    const auto digitAt = [end](const char* p) {
        return p < end ? unsigned(*p) - '0' : 10u;
    };
    std::uint32_t value = 0;
    for (int octet = 1;; ++octet) {
        const char* const first = at;
        unsigned number = digitAt(at);
        if (number > 9)
            return ParseError::Malformed;
        if (const unsigned second = digitAt(++at); second <= 9) {
            number = number * 10 + second;
            if (const unsigned third = digitAt(++at); third <= 9) {
                number = number * 10 + third;
                if (digitAt(++at) <= 9)
                    return ParseError::Malformed;
            }
            if (*first == '0')
                return ParseError::LeadingZero;
            if (number > 255)
                return ParseError::OutOfRange;
        }
        value = (value << 8) | number;
        if (at == end)
            return octet == 4 ? Parsed<Ipv4Address>(Ipv4Address(value)) : ParseError::Malformed;
        if (*at != '.' || octet == 4)
            return ParseError::Malformed;
        ++at;
    }
}

std::string Ipv4Address::toString() const
{
    char text[kTextRoom];
    return std::string(text, writeText(text));
}

std::optional<int> Ipv4PrefixLengthOfMask(Ipv4Address mask)
{
    const int length = std::countl_one(mask.value());
    if (Ipv4MaskOfLength(length) != mask)
        return std::nullopt;
    return length;
}

} // namespace net
