#pragma once

// The reverse DNS zone that holds the PTR records of a network's addresses: the
// in-addr.arpa zone of its whole octets, the ip6.arpa zone of its whole nibbles. A length
// between two boundaries lies inside the zone of the shorter one (192.0.2.0/26 in
// 2.0.192.in-addr.arpa), where its records live unless delegated further.

#include "net/ipv4_network.h"
#include "net/ipv6_network.h"

#include <cstddef>
#include <string>

namespace net {

std::string ReverseZone(const Ipv4Network& network);
std::string ReverseZone(const Ipv6Network& network);

// The IPv4 zone written into `to`, which has kIpv4ZoneRoom bytes, with no string made: a
// batch names two zones a line. The bytes written.
inline constexpr std::size_t kIpv4ZoneRoom = 40;
std::size_t WriteReverseZone(const Ipv4Network& network, char* to);
// The name RFC 2317 gives a prefix longer than /24 when its addresses are delegated apart
// from the rest of their /24, "200/29.1.168.192.in-addr.arpa", written the same way; 0 for
// /24 and shorter. The longest, "255/32.255.255.255.255.in-addr.arpa", is 35 bytes.
std::size_t WriteClasslessReverseZone(const Ipv4Network& network, char* to);

} // namespace net
