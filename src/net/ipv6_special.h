#pragma once

// The IANA IPv6 Special-Purpose Address Registry, block by block with its flags, and the
// address-architecture blocks every IPv6 tool names beside it (multicast). A network is
// matched to a block only when it lies wholly inside it, and the most specific block
// wins: 2001:1::1/128 is the Port Control Protocol anycast address, not merely part of
// the IETF protocol assignments of 2001::/23.

#include "net/ipv6_network.h"
#include "net/special_block.h"

#include <span>

namespace net {

using Ipv6SpecialBlock = SpecialBlock<Ipv6Network>;

// Every block, in address order.
std::span<const Ipv6SpecialBlock> Ipv6SpecialBlocks();

// The rule of special_block.h applied to this table.
const Ipv6SpecialBlock* Ipv6SpecialBlockOf(const Ipv6Network& network);
bool Ipv6OverlapsSpecialBlock(const Ipv6Network& network);

} // namespace net
