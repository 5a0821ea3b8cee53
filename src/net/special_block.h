#pragma once

// The IANA special-purpose address registries, IPv4 and IPv6 alike: the columns they give
// every block, and the rule that matches a network to a block. A network belongs to a
// block only when it lies wholly inside it, and the most specific such block wins; a
// network that merely overlaps blocks belongs to none of them.

#include <algorithm>
#include <span>
#include <string_view>

namespace net {

struct SpecialFlags
{
    bool source = false;             // valid as a source address
    bool destination = false;        // valid as a destination address
    bool forwardable = false;        // routers may forward packets with it
    bool globallyReachable = false;  // reachable beyond one administrative domain
    bool reservedByProtocol = false; // a protocol gives it a meaning of its own

    friend constexpr bool operator==(const SpecialFlags&, const SpecialFlags&) = default;
};

// The flags written in the registry's column order: source, destination, forwardable,
// globally reachable, reserved by protocol.
constexpr SpecialFlags RegistryFlags(bool source, bool destination, bool forwardable, bool global,
                                     bool reserved)
{
    return {source, destination, forwardable, global, reserved};
}

template <class Network> struct SpecialBlock
{
    Network network;
    std::string_view name;     // the registry's name: "Private-Use", "Documentation", ...
    std::string_view category; // a short key for scripts: "private-use", "anycast", ...
    SpecialFlags flags;
    std::string_view rfc; // where the block is defined: "RFC 4291", "RFC 4380, RFC 8190"
};

// The most specific block that holds all of `network`; nullptr when none does.
template <class Network>
const SpecialBlock<Network>* MostSpecificBlock(std::span<const SpecialBlock<Network>> blocks,
                                               const Network& network)
{
    const SpecialBlock<Network>* found = nullptr;
    for (const SpecialBlock<Network>& block : blocks) {
        if (block.network.contains(network) &&
            (!found || block.network.prefixLength() > found->network.prefixLength()))
            found = &block;
    }
    return found;
}

// Whether any block shares an address with `network`.
template <class Network>
bool OverlapsAnyBlock(std::span<const SpecialBlock<Network>> blocks, const Network& network)
{
    return std::ranges::any_of(blocks, [&network](const SpecialBlock<Network>& block) {
        return block.network.contains(network) || network.contains(block.network);
    });
}

} // namespace net
