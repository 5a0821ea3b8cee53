#pragma once

// An IPv4 network (a prefix: its lowest address and a length) and an interface (any
// address with the length of its network), the two things people write as "a.b.c.d/n".

#include "net/ipv4_address.h"
#include "net/parsed.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace net {

class Ipv4Network
{
public:
    constexpr Ipv4Network() = default;

    // The network of `length` bits that holds `address`: host bits are cleared.
    static constexpr Ipv4Network containing(Ipv4Address address, int length)
    {
        return Ipv4Network(Ipv4Address(address.value() & Ipv4MaskOfLength(length).value()),
                           length);
    }

    // "a.b.c.d/n" or "a.b.c.d/m.m.m.m" with no host bits set; a bare address is its /32.
    static Parsed<Ipv4Network> parse(std::string_view text);

    constexpr Ipv4Address address() const { return m_address; }
    constexpr int prefixLength() const { return m_length; }
    constexpr Ipv4Address mask() const { return Ipv4MaskOfLength(m_length); }
    constexpr Ipv4Address wildcard() const { return Ipv4Address(~mask().value()); }
    constexpr Ipv4Address broadcast() const
    {
        return Ipv4Address(m_address.value() | wildcard().value());
    }
    // Every address in the network, 1 to 2^32.
    constexpr std::uint64_t addressCount() const { return std::uint64_t{1} << (32 - m_length); }

    constexpr bool contains(Ipv4Address a) const
    {
        return (a.value() & mask().value()) == m_address.value();
    }
    constexpr bool contains(const Ipv4Network& other) const
    {
        return other.m_length >= m_length && contains(other.m_address);
    }

    std::string toString() const;

    friend constexpr auto operator<=>(const Ipv4Network&, const Ipv4Network&) = default;

private:
    constexpr Ipv4Network(Ipv4Address address, int length) : m_address(address), m_length(length)
    {
    }

    Ipv4Address m_address; // host bits always clear
    int m_length = 0;
};

// An address with the length of its network: "10.1.2.3/24" as people type it.
struct Ipv4Interface
{
    Ipv4Address address;
    int prefixLength = 32;

    // "a.b.c.d/n", "a.b.c.d/m.m.m.m" or a bare address (/32).
    static Parsed<Ipv4Interface> parse(std::string_view text);

    constexpr Ipv4Network network() const { return Ipv4Network::containing(address, prefixLength); }
    std::string toString() const;

    friend constexpr bool operator==(const Ipv4Interface&, const Ipv4Interface&) = default;
};

} // namespace net
