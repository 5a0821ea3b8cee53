#pragma once

// The typed address core, IPv4 side: addresses, masks and networks as small values with
// strict parsing and one canonical text each. Standard C++ only; the panels' QtCore
// logic and ferol-calc both compute through it, and nothing here knows how a panel
// words a result.
//
// Conventions the whole of src/net follows (IPv6 sits beside IPv4 with the same shape):
// namespace net; one value type per file (ipv4_address.h, ipv4_network.h, ...); types
// PascalCase, member functions camelCase, free routines PascalCase; parsers are static
// `parse(std::string_view)` returning Parsed<T> (parsed.h); `toString()` gives the
// canonical text; values compare with <=> by their numeric order.

#include "net/octet_text.h"
#include "net/parsed.h"

#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace net {

class Ipv4Address
{
public:
    static constexpr int kBits = 32;

    constexpr Ipv4Address() = default;
    constexpr explicit Ipv4Address(std::uint32_t value) : m_value(value) {}

    static constexpr Ipv4Address fromOctets(std::uint8_t a, std::uint8_t b, std::uint8_t c,
                                            std::uint8_t d)
    {
        return Ipv4Address((std::uint32_t{a} << 24) | (std::uint32_t{b} << 16) |
                           (std::uint32_t{c} << 8) | std::uint32_t{d});
    }

    // Four decimal numbers 0 to 255 joined by dots; no blanks, signs or leading zeros.
    static Parsed<Ipv4Address> parse(std::string_view text);

    constexpr std::uint32_t value() const { return m_value; }
    constexpr std::array<std::uint8_t, 4> octets() const
    {
        return {std::uint8_t(m_value >> 24), std::uint8_t(m_value >> 16),
                std::uint8_t(m_value >> 8), std::uint8_t(m_value)};
    }

    std::string toString() const;
    // Room writeText() needs: the longest text, "255.255.255.255", and one byte to spare.
    static constexpr std::size_t kTextRoom = 16;
    // toString()'s text written into `to`, which has kTextRoom bytes: its length. For
    // writers that build a line of many values and would rather not make a string each;
    // inline, since ferol-calc's batch writes eight addresses a line.
    std::size_t writeText(char* to) const
    {
        // The last octet's dot lands on the byte kTextRoom keeps spare.
        char* out = to;
        out += WriteOctetAndDot(out, m_value >> 24) + 1;
        out += WriteOctetAndDot(out, m_value >> 16) + 1;
        out += WriteOctetAndDot(out, m_value >> 8) + 1;
        out += WriteOctetAndDot(out, m_value) + 1;
        return std::size_t(out - to - 1);
    }

    // The defaulted <=> compares with a literal 0, which the nullptr check mistakes.
    friend constexpr auto operator<=>(Ipv4Address,
                                      Ipv4Address) = default; // NOLINT(modernize-use-nullptr)

private:
    std::uint32_t m_value = 0;
};

// The mask of `length` leading one bits, 0 to 32.
constexpr Ipv4Address Ipv4MaskOfLength(int length)
{
    return Ipv4Address(length <= 0 ? 0u : ~std::uint32_t{0} << (32 - length));
}

// The length of a mask of leading ones; nothing for a mask with a gap.
std::optional<int> Ipv4PrefixLengthOfMask(Ipv4Address mask);

} // namespace net
