#pragma once

// An IPv6 network (a prefix: its lowest address and a length, 0 to 128) and an interface
// (any address with the length of its network), as people write "2001:db8::/32".

#include "net/address_count.h"
#include "net/ipv6_address.h"
#include "net/parsed.h"

#include <optional>
#include <string>
#include <string_view>

namespace net {

// A run of consecutive addresses, first to last inclusive.
struct Ipv6Range
{
    Ipv6Address first;
    Ipv6Address last;

    friend constexpr bool operator==(const Ipv6Range&, const Ipv6Range&) = default;
};

class Ipv6Network
{
public:
    constexpr Ipv6Network() = default;

    // The network of `length` bits that holds `address`: host bits are cleared.
    static constexpr Ipv6Network containing(Ipv6Address address, int length)
    {
        return Ipv6Network(Ipv6Address(address.value() & Ipv6MaskOfLength(length).value()), length);
    }

    // "address/n" with no host bits set; a bare address is its /128.
    static Parsed<Ipv6Network> parse(std::string_view text);
    static Parsed<Ipv6Network, Ipv6ParseFault> parseDetailed(std::string_view text);

    constexpr Ipv6Address address() const { return m_address; }
    constexpr int prefixLength() const { return m_length; }
    constexpr Ipv6Address mask() const { return Ipv6MaskOfLength(m_length); }
    constexpr Ipv6Address last() const
    {
        return Ipv6Address(m_address.value() | LowBits(128 - m_length));
    }
    // Every address in the network, 1 to 2^128.
    constexpr AddressCount addressCount() const { return AddressCount::powerOfTwo(128 - m_length); }

    constexpr bool contains(Ipv6Address a) const
    {
        return (a.value() & mask().value()) == m_address.value();
    }
    constexpr bool contains(const Ipv6Network& other) const
    {
        return other.m_length >= m_length && contains(other.m_address);
    }

    constexpr Ipv6Range range() const { return {m_address, last()}; }

    // The network of the same length just above or below; nothing past either end of
    // the address space.
    std::optional<Ipv6Network> next() const;
    std::optional<Ipv6Network> previous() const;

    std::string toString() const;

    friend constexpr auto operator<=>(const Ipv6Network&, const Ipv6Network&) = default;

private:
    constexpr Ipv6Network(Ipv6Address address, int length) : m_address(address), m_length(length) {}

    Ipv6Address m_address; // host bits always clear
    int m_length = 0;
};

// An address with the length of its network: "2001:db8::1/64" as people type it.
struct Ipv6Interface
{
    Ipv6Address address;
    int prefixLength = 128;

    // "address/n" or a bare address (/128).
    static Parsed<Ipv6Interface> parse(std::string_view text);
    // The same, saying where and why a text is refused; positions count from the
    // start of `text`, the length after '/' included.
    static Parsed<Ipv6Interface, Ipv6ParseFault> parseDetailed(std::string_view text);

    constexpr Ipv6Network network() const { return Ipv6Network::containing(address, prefixLength); }
    std::string toString() const;

    friend constexpr bool operator==(const Ipv6Interface&, const Ipv6Interface&) = default;
};

} // namespace net
