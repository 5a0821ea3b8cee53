#pragma once

// The IANA IPv4 Special-Purpose Address Registry as a table, down to its finest blocks
// (192.0.0.9/32 inside 192.0.0.0/24), with the multicast range beside it.

#include "net/ipv4_network.h"
#include "net/special_block.h"

#include <span>

namespace net {

using Ipv4SpecialBlock = SpecialBlock<Ipv4Network>;

std::span<const Ipv4SpecialBlock> Ipv4SpecialBlocks();

// The rule of special_block.h applied to this table.
const Ipv4SpecialBlock* Ipv4SpecialBlockOf(const Ipv4Network& network);
bool Ipv4OverlapsSpecialBlock(const Ipv4Network& network);

} // namespace net
