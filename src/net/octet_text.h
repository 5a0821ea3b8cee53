#pragma once

// An octet's decimal digits looked up, not divided out, with a dot after them: ferol-calc's
// batch writes eight addresses and two reverse names a line, a million lines.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace net {

struct OctetText
{
    char digitsAndDot[4];
    std::uint8_t length; // of the digits
};

inline constexpr std::array<OctetText, 256> kOctetTexts = [] {
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

// The low octet's digits and a dot written into `to`, as four bytes whatever the length (one
// store, no loop), so `to` needs four bytes of room: the number of digits.
inline std::size_t WriteOctetAndDot(char* to, std::uint32_t octet)
{
    const OctetText& text = kOctetTexts[octet & 255];
    std::memcpy(to, text.digitsAndDot, 4);
    return text.length;
}

} // namespace net
