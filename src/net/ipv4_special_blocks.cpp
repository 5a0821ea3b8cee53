#include "net/ipv4_special_blocks.h"

#include <array>

namespace net {

namespace {

constexpr Ipv4Network Block(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d,
                            int length)
{
    return Ipv4Network::containing(Ipv4Address::fromOctets(a, b, c, d), length);
}

constexpr SpecialFlags kPrivate = RegistryFlags(true, true, true, false, false);
constexpr SpecialFlags kGlobalAnycast = RegistryFlags(true, true, true, true, false);
constexpr SpecialFlags kDocumentation = RegistryFlags(false, false, false, false, false);

// In ascending order of network, a containing block before the blocks inside it.
constexpr std::array kBlocks = {
    Ipv4SpecialBlock{Block(0, 0, 0, 0, 8), "This network", "this-network",
                     RegistryFlags(true, false, false, false, true), "RFC 791"},
    Ipv4SpecialBlock{Block(0, 0, 0, 0, 32), "This host on this network", "this-host",
                     RegistryFlags(true, false, false, false, true), "RFC 1122"},
    Ipv4SpecialBlock{Block(10, 0, 0, 0, 8), "Private-Use", "private-use", kPrivate, "RFC 1918"},
    Ipv4SpecialBlock{Block(100, 64, 0, 0, 10), "Shared Address Space", "shared-address-space",
                     kPrivate, "RFC 6598"},
    // Loopback addresses stay inside the host: the registry marks them usable only there.
    Ipv4SpecialBlock{Block(127, 0, 0, 0, 8), "Loopback", "loopback",
                     RegistryFlags(false, false, false, false, true), "RFC 1122"},
    Ipv4SpecialBlock{Block(169, 254, 0, 0, 16), "Link Local", "link-local",
                     RegistryFlags(true, true, false, false, true), "RFC 3927"},
    Ipv4SpecialBlock{Block(172, 16, 0, 0, 12), "Private-Use", "private-use", kPrivate, "RFC 1918"},
    // The /24 itself is only a container; its own blocks carry the meaning.
    Ipv4SpecialBlock{Block(192, 0, 0, 0, 24), "IETF Protocol Assignments", "protocol-assignments",
                     RegistryFlags(false, false, false, false, false), "RFC 6890"},
    Ipv4SpecialBlock{Block(192, 0, 0, 0, 29), "IPv4 Service Continuity Prefix",
                     "service-continuity", kPrivate, "RFC 7335"},
    Ipv4SpecialBlock{Block(192, 0, 0, 8, 32), "IPv4 dummy address", "dummy",
                     RegistryFlags(true, false, false, false, false), "RFC 7600"},
    Ipv4SpecialBlock{Block(192, 0, 0, 9, 32), "Port Control Protocol Anycast", "anycast",
                     kGlobalAnycast, "RFC 7723"},
    Ipv4SpecialBlock{Block(192, 0, 0, 10, 32), "Traversal Using Relays around NAT Anycast",
                     "anycast", kGlobalAnycast, "RFC 8155"},
    Ipv4SpecialBlock{Block(192, 0, 0, 170, 32), "NAT64/DNS64 Discovery", "nat64-discovery",
                     RegistryFlags(false, false, false, false, true), "RFC 8880, RFC 7050"},
    Ipv4SpecialBlock{Block(192, 0, 0, 171, 32), "NAT64/DNS64 Discovery", "nat64-discovery",
                     RegistryFlags(false, false, false, false, true), "RFC 8880, RFC 7050"},
    Ipv4SpecialBlock{Block(192, 0, 2, 0, 24), "Documentation (TEST-NET-1)", "documentation",
                     kDocumentation, "RFC 5737"},
    Ipv4SpecialBlock{Block(192, 31, 196, 0, 24), "AS112-v4", "anycast", kGlobalAnycast, "RFC 7535"},
    Ipv4SpecialBlock{Block(192, 52, 193, 0, 24), "AMT", "anycast", kGlobalAnycast, "RFC 7450"},
    // Withdrawn: the registry keeps the entry but fills none of its columns.
    Ipv4SpecialBlock{Block(192, 88, 99, 0, 24), "Deprecated (6to4 Relay Anycast)", "deprecated",
                     RegistryFlags(false, false, false, false, false), "RFC 7526"},
    Ipv4SpecialBlock{Block(192, 88, 99, 2, 32), "6a44-relay anycast address", "anycast", kPrivate,
                     "RFC 6751"},
    Ipv4SpecialBlock{Block(192, 168, 0, 0, 16), "Private-Use", "private-use", kPrivate, "RFC 1918"},
    Ipv4SpecialBlock{Block(192, 175, 48, 0, 24), "Direct Delegation AS112 Service", "anycast",
                     kGlobalAnycast, "RFC 7534"},
    Ipv4SpecialBlock{Block(198, 18, 0, 0, 15), "Benchmarking", "benchmarking", kPrivate,
                     "RFC 2544"},
    Ipv4SpecialBlock{Block(198, 51, 100, 0, 24), "Documentation (TEST-NET-2)", "documentation",
                     kDocumentation, "RFC 5737"},
    Ipv4SpecialBlock{Block(203, 0, 113, 0, 24), "Documentation (TEST-NET-3)", "documentation",
                     kDocumentation, "RFC 5737"},
    // Not in the special-purpose registry but in the multicast one; how far a group
    // reaches depends on its scope, so it is not called globally reachable here.
    Ipv4SpecialBlock{Block(224, 0, 0, 0, 4), "Multicast", "multicast",
                     RegistryFlags(false, true, true, false, false), "RFC 5771"},
    Ipv4SpecialBlock{Block(240, 0, 0, 0, 4), "Reserved", "reserved",
                     RegistryFlags(false, false, false, false, true), "RFC 1112"},
    Ipv4SpecialBlock{Block(255, 255, 255, 255, 32), "Limited Broadcast", "limited-broadcast",
                     RegistryFlags(false, true, false, false, true), "RFC 8190, RFC 919"},
};

} // namespace

std::span<const Ipv4SpecialBlock> Ipv4SpecialBlocks()
{
    return kBlocks;
}

namespace {

// The blocks a network can lie in or hold: the run of the table, in its order of
// addresses, from the first block that touches the network to the last. A batch of a
// million networks would otherwise scan the whole table twice a line. Runs are kept for
// every network of up to eight bits, which for most first octets have no block at all; a
// longer network takes the run of the /8 it lies in.
std::span<const Ipv4SpecialBlock> CandidateBlocks(const Ipv4Network& network)
{
    struct Run
    {
        std::size_t begin = 0;
        std::size_t end = 0;
    };
    constexpr int kRunBits = 8;
    // The networks of 0 to 8 bits numbered in a heap's order: a /N as 2^N and its number
    // among the /Ns.
    const auto indexOf = [](std::uint64_t address, int length) {
        return (std::size_t{1} << length) + std::size_t(address >> (32 - length));
    };
    static const std::array<Run, std::size_t{2} << kRunBits> kRuns = [&] {
        std::array<Run, std::size_t{2} << kRunBits> runs{};
        for (std::size_t k = 0; k < kBlocks.size(); ++k) {
            const std::uint64_t first = kBlocks[k].network.address().value();
            const std::uint64_t last = kBlocks[k].network.broadcast().value();
            for (int length = 0; length <= kRunBits; ++length) {
                for (std::size_t at = indexOf(first, length); at <= indexOf(last, length); ++at) {
                    Run& run = runs[at];
                    if (run.begin == run.end)
                        run.begin = k;
                    run.end = k + 1;
                }
            }
        }
        return runs;
    }();
    const int length = std::min(network.prefixLength(), kRunBits);
    const Run& run = kRuns[indexOf(network.address().value(), length)];
    return std::span<const Ipv4SpecialBlock>(kBlocks).subspan(run.begin, run.end - run.begin);
}

} // namespace

const Ipv4SpecialBlock* Ipv4SpecialBlockOf(const Ipv4Network& network)
{
    return MostSpecificBlock(CandidateBlocks(network), network);
}

bool Ipv4OverlapsSpecialBlock(const Ipv4Network& network)
{
    return OverlapsAnyBlock(CandidateBlocks(network), network);
}

} // namespace net
