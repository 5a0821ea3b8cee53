#include "net/ipv6_special.h"

#include <array>

namespace net {

namespace {

constexpr Ipv6Network Block(std::uint64_t high, std::uint64_t low, int length)
{
    return Ipv6Network::containing(Ipv6Address(UInt128(high, low)), length);
}

constexpr SpecialFlags kNotRouted = RegistryFlags(true, true, true, false, false);
constexpr SpecialFlags kGlobal = RegistryFlags(true, true, true, true, false);
constexpr SpecialFlags kNone = RegistryFlags(false, false, false, false, false);
// Teredo and 6to4 say "N/A" for globally reachable: it depends on the IPv4 address carried
// inside. Not reachable as such is the safe reading.
constexpr SpecialFlags kTunnel = kNotRouted;

// The registry's rows as of its 2025 revision, in ascending order of network, a
// containing block before the blocks inside it.
constexpr std::array kBlocks = {
    Ipv6SpecialBlock{Block(0, 0, 128), "Unspecified Address", "unspecified",
                     RegistryFlags(true, false, false, false, true), "RFC 4291"},
    Ipv6SpecialBlock{Block(0, 1, 128), "Loopback Address", "loopback",
                     RegistryFlags(false, false, false, false, true), "RFC 4291"},
    Ipv6SpecialBlock{Block(0, 0xFFFF'0000'0000, 96), "IPv4-mapped Address", "ipv4-mapped",
                     RegistryFlags(false, false, false, false, true), "RFC 4291"},
    Ipv6SpecialBlock{Block(0x0064'FF9B'0000'0000, 0, 96), "IPv4-IPv6 Translat.", "translation",
                     kGlobal, "RFC 6052"},
    Ipv6SpecialBlock{Block(0x0064'FF9B'0001'0000, 0, 48), "IPv4-IPv6 Translat.", "translation",
                     kNotRouted, "RFC 8215"},
    Ipv6SpecialBlock{Block(0x0100'0000'0000'0000, 0, 64), "Discard-Only Address Block",
                     "discard-only", kNotRouted, "RFC 6666"},
    Ipv6SpecialBlock{Block(0x0100'0000'0000'0001, 0, 64), "Dummy IPv6 Prefix", "dummy",
                     RegistryFlags(true, true, false, false, false), "RFC 9780"},
    Ipv6SpecialBlock{Block(0x2001'0000'0000'0000, 0, 23), "IETF Protocol Assignments",
                     "protocol-assignments", kNone, "RFC 2928"},
    Ipv6SpecialBlock{Block(0x2001'0000'0000'0000, 0, 32), "TEREDO", "teredo", kTunnel,
                     "RFC 4380, RFC 8190"},
    Ipv6SpecialBlock{Block(0x2001'0001'0000'0000, 1, 128), "Port Control Protocol Anycast",
                     "anycast", kGlobal, "RFC 7723"},
    Ipv6SpecialBlock{Block(0x2001'0001'0000'0000, 2, 128),
                     "Traversal Using Relays around NAT Anycast", "anycast", kGlobal, "RFC 8155"},
    Ipv6SpecialBlock{Block(0x2001'0001'0000'0000, 3, 128),
                     "DNS-SD Service Registration Protocol Anycast Address", "anycast", kGlobal,
                     "RFC 9665"},
    Ipv6SpecialBlock{Block(0x2001'0002'0000'0000, 0, 48), "Benchmarking", "benchmarking",
                     kNotRouted, "RFC 5180"},
    Ipv6SpecialBlock{Block(0x2001'0003'0000'0000, 0, 32), "AMT", "anycast", kGlobal, "RFC 7450"},
    Ipv6SpecialBlock{Block(0x2001'0004'0112'0000, 0, 48), "AS112-v6", "anycast", kGlobal,
                     "RFC 7535"},
    // Withdrawn: the registry keeps the entry but fills none of its columns.
    Ipv6SpecialBlock{Block(0x2001'0010'0000'0000, 0, 28), "Deprecated (previously ORCHID)",
                     "deprecated", kNone, "RFC 4843"},
    Ipv6SpecialBlock{Block(0x2001'0020'0000'0000, 0, 28), "ORCHIDv2", "orchid", kGlobal,
                     "RFC 7343"},
    Ipv6SpecialBlock{Block(0x2001'0030'0000'0000, 0, 28),
                     "Drone Remote ID Protocol Entity Tags (DETs) Prefix", "drone-remote-id",
                     kGlobal, "RFC 9374"},
    Ipv6SpecialBlock{Block(0x2001'0DB8'0000'0000, 0, 32), "Documentation", "documentation", kNone,
                     "RFC 3849"},
    Ipv6SpecialBlock{Block(0x2002'0000'0000'0000, 0, 16), "6to4", "6to4", kTunnel, "RFC 3056"},
    Ipv6SpecialBlock{Block(0x2620'004F'8000'0000, 0, 48), "Direct Delegation AS112 Service",
                     "anycast", kGlobal, "RFC 7534"},
    Ipv6SpecialBlock{Block(0x3FFF'0000'0000'0000, 0, 20), "Documentation", "documentation", kNone,
                     "RFC 9637"},
    Ipv6SpecialBlock{Block(0x5F00'0000'0000'0000, 0, 16), "Segment Routing (SRv6) SIDs",
                     "segment-routing", kNotRouted, "RFC 9602"},
    Ipv6SpecialBlock{Block(0xFC00'0000'0000'0000, 0, 7), "Unique-Local", "unique-local", kNotRouted,
                     "RFC 4193, RFC 8190"},
    Ipv6SpecialBlock{Block(0xFE80'0000'0000'0000, 0, 10), "Link-Local Unicast", "link-local",
                     RegistryFlags(true, true, false, false, true), "RFC 4291"},
    // Not in the special-purpose registry but the address architecture's own; how far a
    // group reaches depends on the scope written in it, so it is not called globally
    // reachable here.
    Ipv6SpecialBlock{Block(0xFF00'0000'0000'0000, 0, 8), "Multicast", "multicast",
                     RegistryFlags(false, true, true, false, false), "RFC 4291"},
};

} // namespace

std::span<const Ipv6SpecialBlock> Ipv6SpecialBlocks()
{
    return kBlocks;
}

const Ipv6SpecialBlock* Ipv6SpecialBlockOf(const Ipv6Network& network)
{
    return MostSpecificBlock(Ipv6SpecialBlocks(), network);
}

bool Ipv6OverlapsSpecialBlock(const Ipv6Network& network)
{
    return OverlapsAnyBlock(Ipv6SpecialBlocks(), network);
}

} // namespace net
