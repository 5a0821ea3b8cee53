#pragma once

// A network split into equal subnets of a longer prefix, reached by index so that a
// listing of 2^16 rows out of 2^64 never makes the rest.

#include "net/address_count.h"
#include "net/ipv6_network.h"

namespace net {

// 2^(length - network's length); length from the network's own to 128.
AddressCount Ipv6SubnetCount(const Ipv6Network& network, int length);

// How many subnets of that split lie past the first `listed`; listed must not exceed
// the count.
AddressCount Ipv6SubnetsAfter(const Ipv6Network& network, int length, std::uint64_t listed);

// Subnet `index` (from 0) of that split; index must be below the count.
Ipv6Network Ipv6SubnetAt(const Ipv6Network& network, int length, UInt128 index);

} // namespace net
