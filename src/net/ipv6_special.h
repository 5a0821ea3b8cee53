#pragma once

// The IANA IPv6 Special-Purpose Address Registry, block by block with its flags, and the
// address-architecture blocks every IPv6 tool names beside it (multicast). A network is
// matched to a block only when it lies wholly inside it, and the most specific block
// wins: 2001:1::1/128 is the Port Control Protocol anycast address, not merely part of
// the IETF protocol assignments of 2001::/23.

#include "net/ipv6_network.h"

#include <span>
#include <string_view>

namespace net {

// A registry flag; a few blocks say "N/A" where the answer depends on the addresses
// carried inside (Teredo, 6to4).
enum class RegistryFlag
{
    False,
    True,
    NotApplicable,
};

struct Ipv6SpecialBlock
{
    Ipv6Network network;
    std::string_view category; // "documentation", "unique-local", ... for scripts
    std::string_view name;     // the registry's own name
    RegistryFlag source;
    RegistryFlag destination;
    RegistryFlag forwardable;
    RegistryFlag globallyReachable;
    RegistryFlag reservedByProtocol;
};

// Every block, in address order.
std::span<const Ipv6SpecialBlock> Ipv6SpecialBlocks();

// The most specific block that holds all of `network`; null when none does.
const Ipv6SpecialBlock* FindSpecialBlock(const Ipv6Network& network);

} // namespace net
