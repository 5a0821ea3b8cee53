#pragma once

// A network of either family as one value, for code that treats IPv4 and IPv6 alike
// (address planning): the family, the lowest address as a number and the prefix length.
// An IPv4 network's address sits in the low 32 bits.

#include "net/address_count.h"
#include "net/ipv4_network.h"
#include "net/ipv6_network.h"
#include "net/parsed.h"
#include "net/uint128.h"

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace net {

enum class IpFamily
{
    Ipv4,
    Ipv6,
};

// 32 or 128.
constexpr int AddressBits(IpFamily family)
{
    return family == IpFamily::Ipv4 ? Ipv4Address::kBits : Ipv6Address::kBits;
}

class IpNetwork
{
public:
    constexpr IpNetwork() = default; // 0.0.0.0/0
    // The family is IPv4 by default.
    constexpr IpNetwork(const Ipv4Network& network)
        : m_first(network.address().value()), m_length(network.prefixLength())
    {}
    constexpr IpNetwork(const Ipv6Network& network)
        : m_family(IpFamily::Ipv6), m_first(network.address().value()),
          m_length(network.prefixLength())
    {}

    // The network of `length` bits (0 to AddressBits(family)) that holds `address`.
    static constexpr IpNetwork containing(IpFamily family, UInt128 address, int length)
    {
        IpNetwork network;
        network.m_family = family;
        network.m_length = length;
        network.m_first =
            address & ~LowBits(AddressBits(family) - length) & LowBits(AddressBits(family));
        return network;
    }

    // "a.b.c.d/len", "a.b.c.d/m.m.m.m", "a.b.c.d m.m.m.m" or "x::/len", with blanks around
    // it allowed and no host bits set. A text with a ':' is read as IPv6.
    static Parsed<IpNetwork> parse(std::string_view text);

    constexpr IpFamily family() const { return m_family; }
    constexpr int bits() const { return AddressBits(m_family); }
    constexpr int prefixLength() const { return m_length; }
    constexpr UInt128 first() const { return m_first; }
    constexpr UInt128 last() const { return m_first | LowBits(bits() - m_length); }
    constexpr AddressCount addressCount() const
    {
        return AddressCount::powerOfTwo(bits() - m_length);
    }
    constexpr bool contains(const IpNetwork& other) const
    {
        return other.m_family == m_family && other.m_length >= m_length &&
               (other.m_first & ~LowBits(bits() - m_length)) == m_first;
    }

    // The network in its own family's type; only for a network of that family.
    Ipv4Network ipv4() const;
    Ipv6Network ipv6() const;

    std::string toString() const;

    // clang-tidy 14 takes the 0 in the comparison this generates for a null pointer.
    // NOLINTNEXTLINE(modernize-use-nullptr)
    friend constexpr auto operator<=>(const IpNetwork&, const IpNetwork&) = default;

private:
    IpFamily m_family = IpFamily::Ipv4; // first: IPv4 networks order before IPv6 ones
    UInt128 m_first;                    // host bits always clear
    int m_length = 0;
};

} // namespace net
