#include "net/ipv4_address.h"

#include <array>
#include <bit>
#include <cstring>

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

namespace {

// Each octet's digits looked up, not divided out, with the dot after them: a batch writes
// millions of addresses.
struct OctetText
{
    char digitsAndDot[4];
    std::uint8_t length; // of the digits
};

constexpr std::array<OctetText, 256> kOctetTexts = [] {
    std::array<OctetText, 256> table{};
    for (unsigned octet = 0; octet < 256; ++octet) {
        OctetText& text = table[octet];
        if (octet >= 100)
            text.digitsAndDot[text.length++] = char('0' + octet / 100);
        if (octet >= 10)
            text.digitsAndDot[text.length++] = char('0' + octet / 10 % 10);
        text.digitsAndDot[text.length++] = char('0' + octet % 10);
        text.digitsAndDot[text.length] = '.';
    }
    return table;
}();

} // namespace

std::size_t Ipv4Address::writeText(char* to) const
{
    char* out = to;
    // Four bytes copied whatever the length: one store, no loop. The last octet's dot lands
    // on the byte kTextRoom keeps spare.
    const auto put = [&out](std::uint32_t octet) {
        const OctetText& text = kOctetTexts[octet & 255];
        std::memcpy(out, text.digitsAndDot, 4);
        out += text.length + 1;
    };
    put(m_value >> 24);
    put(m_value >> 16);
    put(m_value >> 8);
    put(m_value);
    return std::size_t(out - to - 1);
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
