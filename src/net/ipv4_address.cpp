#include "net/ipv4_address.h"

#include <array>
#include <bit>
#include <cstring>

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
    for (const unsigned octet : octets()) {
        const OctetText& text = kOctetTexts[octet];
        // Four bytes copied whatever the length: one store, no loop. The last octet's dot
        // lands on the byte kTextRoom keeps spare.
        std::memcpy(out, text.digitsAndDot, 4);
        out += text.length + 1;
    }
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
