#pragma once

// An IPv4 network (a prefix: its lowest address and a length) and an interface (any
// address with the length of its network), the two things people write as "a.b.c.d/n".

#include "net/ipv4_address.h"
#include "net/parsed.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace net {

// A run of consecutive addresses, first to last inclusive.
struct Ipv4Range
{
    Ipv4Address first;
    Ipv4Address last;

    constexpr std::uint64_t size() const { return std::uint64_t{last.value()} - first.value() + 1; }
    friend constexpr bool operator==(const Ipv4Range&, const Ipv4Range&) = default;
};

class Ipv4Network
{
public:
    constexpr Ipv4Network() = default;

    // The network of `length` bits that holds `address`: host bits are cleared.
    static constexpr Ipv4Network containing(Ipv4Address address, int length)
    {
        return Ipv4Network(Ipv4Address(address.value() & Ipv4MaskOfLength(length).value()), length);
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

    constexpr Ipv4Range range() const { return {m_address, broadcast()}; }

    // The usable host addresses: all but the network and broadcast addresses; the one
    // address of a /32; for a /31 none, or both when read as a point-to-point link
    // (RFC 3021). Nothing when there are none.
    std::optional<Ipv4Range> hosts(bool rfc3021) const;

    // The network of the same length just after (before) this one; nothing past the end
    // (start) of the address space.
    std::optional<Ipv4Network> next() const;
    std::optional<Ipv4Network> previous() const;

    // Splitting into networks of `length` bits (at least prefixLength()): how many there
    // are, and the one at `index` (below subnetCount(length)).
    constexpr std::uint64_t subnetCount(int length) const
    {
        return std::uint64_t{1} << (length - m_length);
    }
    Ipv4Network subnet(int length, std::uint64_t index) const;

    std::string toString() const;

    friend constexpr auto operator<=>(const Ipv4Network&, const Ipv4Network&) = default;

private:
    constexpr Ipv4Network(Ipv4Address address, int length) : m_address(address), m_length(length) {}

    Ipv4Address m_address; // host bits always clear
    int m_length = 0;
};

// After the "/" of a network: a length 0 to 32, or a dotted mask of leading ones.
Parsed<int> Ipv4ParseLengthOrMask(std::string_view text);

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
