#pragma once

// The IANA IPv4 Special-Purpose Address Registry as a table, down to its finest blocks
// (192.0.0.9/32 inside 192.0.0.0/24), with the multicast range beside it. A network
// belongs to a block only when it lies wholly inside it, and the most specific such block
// wins; a network that merely overlaps blocks belongs to none of them.

#include "net/ipv4_network.h"
#include "net/special_flags.h"

#include <span>
#include <string_view>

namespace net {

struct Ipv4SpecialBlock
{
    Ipv4Network network;
    std::string_view name;     // the registry's name: "Private-Use", "Loopback", ...
    std::string_view category; // a short key for scripts: "private-use", "anycast", ...
    SpecialFlags flags;
};

std::span<const Ipv4SpecialBlock> Ipv4SpecialBlocks();

// The most specific block that holds all of `network`; nullptr when none does.
const Ipv4SpecialBlock* Ipv4SpecialBlockOf(const Ipv4Network& network);

// Whether any block shares an address with `network`.
bool Ipv4OverlapsSpecialBlock(const Ipv4Network& network);

} // namespace net
