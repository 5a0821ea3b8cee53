#include "net/ipv6_special.h"

#include <array>

namespace net {

namespace {

constexpr RegistryFlag F = RegistryFlag::False;
constexpr RegistryFlag T = RegistryFlag::True;
constexpr RegistryFlag NA = RegistryFlag::NotApplicable;

constexpr Ipv6Network Block(std::uint64_t high, std::uint64_t low, int length)
{
    return Ipv6Network::containing(Ipv6Address(UInt128(high, low)), length);
}

// The registry's rows as of its 2025 revision, in address order; the flags are source,
// destination, forwardable, globally reachable, reserved by protocol.
const std::array kBlocks = {
    Ipv6SpecialBlock{Block(0, 0, 128), "unspecified", "Unspecified Address", T, F, F, F, T},
    Ipv6SpecialBlock{Block(0, 1, 128), "loopback", "Loopback Address", F, F, F, F, T},
    Ipv6SpecialBlock{Block(0, 0xFFFF'0000'0000, 96), "ipv4-mapped", "IPv4-mapped Address", F, F, F,
                     F, T},
    Ipv6SpecialBlock{Block(0x0064'FF9B'0000'0000, 0, 96), "ipv4-ipv6-translation",
                     "IPv4-IPv6 Translat.", T, T, T, T, F},
    Ipv6SpecialBlock{Block(0x0064'FF9B'0001'0000, 0, 48), "ipv4-ipv6-translation",
                     "IPv4-IPv6 Translat.", T, T, T, F, F},
    Ipv6SpecialBlock{Block(0x0100'0000'0000'0000, 0, 64), "discard-only",
                     "Discard-Only Address Block", T, T, T, F, F},
    Ipv6SpecialBlock{Block(0x0100'0000'0000'0001, 0, 64), "dummy-prefix", "Dummy IPv6 Prefix", T, T,
                     F, F, F},
    Ipv6SpecialBlock{Block(0x2001'0000'0000'0000, 0, 23), "ietf-protocol-assignments",
                     "IETF Protocol Assignments", F, F, F, F, F},
    Ipv6SpecialBlock{Block(0x2001'0000'0000'0000, 0, 32), "teredo", "TEREDO", T, T, T, NA, F},
    Ipv6SpecialBlock{Block(0x2001'0001'0000'0000, 1, 128), "anycast",
                     "Port Control Protocol Anycast", T, T, T, T, F},
    Ipv6SpecialBlock{Block(0x2001'0001'0000'0000, 2, 128), "anycast",
                     "Traversal Using Relays around NAT Anycast", T, T, T, T, F},
    Ipv6SpecialBlock{Block(0x2001'0001'0000'0000, 3, 128), "anycast",
                     "DNS-SD Service Registration Protocol Anycast Address", T, T, T, T, F},
    Ipv6SpecialBlock{Block(0x2001'0002'0000'0000, 0, 48), "benchmarking", "Benchmarking", T, T, T,
                     F, F},
    Ipv6SpecialBlock{Block(0x2001'0003'0000'0000, 0, 32), "amt", "AMT", T, T, T, T, F},
    Ipv6SpecialBlock{Block(0x2001'0004'0112'0000, 0, 48), "as112", "AS112-v6", T, T, T, T, F},
    Ipv6SpecialBlock{Block(0x2001'0010'0000'0000, 0, 28), "reserved",
                     "Deprecated (previously ORCHID)", F, F, F, F, F},
    Ipv6SpecialBlock{Block(0x2001'0020'0000'0000, 0, 28), "orchid", "ORCHIDv2", T, T, T, T, F},
    Ipv6SpecialBlock{Block(0x2001'0030'0000'0000, 0, 28), "drone-remote-id",
                     "Drone Remote ID Protocol Entity Tags (DETs) Prefix", T, T, T, T, F},
    Ipv6SpecialBlock{Block(0x2001'0DB8'0000'0000, 0, 32), "documentation", "Documentation", F, F, F,
                     F, F},
    Ipv6SpecialBlock{Block(0x2002'0000'0000'0000, 0, 16), "6to4", "6to4", T, T, T, NA, F},
    Ipv6SpecialBlock{Block(0x2620'004F'8000'0000, 0, 48), "as112",
                     "Direct Delegation AS112 Service", T, T, T, T, F},
    Ipv6SpecialBlock{Block(0x3FFF'0000'0000'0000, 0, 20), "documentation", "Documentation", F, F, F,
                     F, F},
    Ipv6SpecialBlock{Block(0x5F00'0000'0000'0000, 0, 16), "segment-routing",
                     "Segment Routing (SRv6) SIDs", T, T, T, F, F},
    Ipv6SpecialBlock{Block(0xFC00'0000'0000'0000, 0, 7), "unique-local", "Unique-Local", T, T, T, F,
                     F},
    Ipv6SpecialBlock{Block(0xFE80'0000'0000'0000, 0, 10), "link-local", "Link-Local Unicast", T, T,
                     F, F, T},
    // Not a registry row but the address architecture's own block, so it has no flags; what
    // a multicast address may do depends on the scope written inside it.
    Ipv6SpecialBlock{Block(0xFF00'0000'0000'0000, 0, 8), "multicast", "Multicast", NA, NA, NA, NA,
                     NA},
};

} // namespace

std::span<const Ipv6SpecialBlock> Ipv6SpecialBlocks()
{
    return kBlocks;
}

const Ipv6SpecialBlock* FindSpecialBlock(const Ipv6Network& network)
{
    const Ipv6SpecialBlock* found = nullptr;
    for (const Ipv6SpecialBlock& block : kBlocks) {
        if (block.network.contains(network) &&
            (!found || block.network.prefixLength() > found->network.prefixLength()))
            found = &block;
    }
    return found;
}

} // namespace net
