#pragma once

// The IPv4 addresses that transition mechanisms carry inside an IPv6 address: 6to4
// (2002::/16, RFC 3056), Teredo (2001::/32, RFC 4380: the server in clear, the client's
// address and port with every bit inverted) and the NAT64 well-known prefix
// (64:ff9b::/96, RFC 6052). IPv4-mapped addresses are Ipv6Address::mappedIpv4.

#include "net/ipv4_address.h"
#include "net/ipv6_address.h"

#include <cstdint>
#include <optional>

namespace net {

struct TeredoEndpoints
{
    Ipv4Address server;
    Ipv4Address client; // the client's public address, as the NAT shows it
    std::uint16_t port = 0;

    friend constexpr bool operator==(const TeredoEndpoints&, const TeredoEndpoints&) = default;
};

std::optional<Ipv4Address> SixToFourIpv4(Ipv6Address address);
std::optional<TeredoEndpoints> TeredoEndpointsOf(Ipv6Address address);
std::optional<Ipv4Address> Nat64Ipv4(Ipv6Address address);

} // namespace net
