#pragma once

// The typed address core, IPv6 side: a 128-bit address as a value, read in every text
// form of RFC 4291 and written in the one canonical form of RFC 5952 or in full.

#include "net/ipv4_address.h"
#include "net/ipv6_parse_fault.h"
#include "net/parsed.h"
#include "net/uint128.h"

#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace net {

class Ipv6Address
{
public:
    static constexpr int kBits = 128;

    constexpr Ipv6Address() = default;
    constexpr explicit Ipv6Address(UInt128 value) : m_value(value) {}

    // Eight groups of one to four hex digits joined by ':', one run of zero groups
    // written "::", and optionally the last two groups as a dotted IPv4 address
    // ("::ffff:192.0.2.1", "64:ff9b::192.0.2.33"). A zone index ("fe80::1%eth0") is
    // refused: it names a link of one host, not part of the address.
    static Parsed<Ipv6Address> parse(std::string_view text);
    // The same, saying where and why a text is refused.
    static Parsed<Ipv6Address, Ipv6ParseFault> parseDetailed(std::string_view text);

    constexpr UInt128 value() const { return m_value; }
    std::array<std::uint16_t, 8> groups() const;

    // RFC 5952: lower case, no leading zeros, the longest run of two or more zero groups
    // (the first of equals) as "::", and IPv4-mapped addresses ending in dotted form.
    std::string toString() const;
    // All eight groups of four digits: "2001:0db8:0000:...:0001".
    std::string toExpandedString() const;

    // The IPv4 address an IPv4-mapped address (::ffff:0:0/96) carries.
    std::optional<Ipv4Address> mappedIpv4() const;

    // clang-tidy 14 takes the 0 in the comparison this generates for a null pointer.
    // NOLINTNEXTLINE(modernize-use-nullptr)
    friend constexpr auto operator<=>(Ipv6Address, Ipv6Address) = default;

private:
    UInt128 m_value;
};

// The mask of `length` leading one bits, 0 to 128.
constexpr Ipv6Address Ipv6MaskOfLength(int length)
{
    return Ipv6Address(~LowBits(128 - length));
}

} // namespace net
