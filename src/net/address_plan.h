#pragma once

// Address planning: dividing one parent network, IPv4 or IPv6, into smaller networks.
//
// In: a Plan — the parent, the way to divide it and, for VLSM, the needs (a name and a
// size each, in the order the user lists them). Out: a PlanAnswer — the allocated
// networks in address order, the space left as the fewest networks, or why the plan
// cannot be met. PlanAddresses() is the one routine that divides, for the planner tab
// and the command line alike; it is a pure function of the Plan.
//
// Every division packs power-of-two blocks from the bottom of the parent, largest first:
// such blocks laid end to end are each aligned on their own size, so a plan fits exactly
// when its blocks add up to no more than the parent, and what is left is one run at the
// top.
//
// Sizes. For an IPv4 parent a count is usable hosts: a network holds all its addresses
// but the network and broadcast addresses, so 10 hosts take a /28. Under RFC 3021 (asked
// for by the plan) a need of 2 takes a /31 and a need of 1 a /32. For an IPv6 parent a
// count is a number of /64 networks, so 300 take a /55. In either family "/n" asks for a
// network of exactly that prefix length. A count of 0 is met like a count of 1.

#include "net/ip_network.h"
#include "net/parsed.h"
#include "net/uint128.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace net {

// How big a need is: a count (hosts for IPv4, /64 networks for IPv6) or a prefix length.
struct NeedSize
{
    enum class Unit
    {
        Count,
        PrefixLength,
    };

    Unit unit = Unit::Count;
    std::uint64_t value = 0; // the count, or the prefix length

    static constexpr NeedSize count(std::uint64_t n) { return {Unit::Count, n}; }
    static constexpr NeedSize prefixLength(int length)
    {
        return {Unit::PrefixLength, std::uint64_t(length)};
    }

    // "100" (digits, no sign or leading zeros, at most nineteen) or "/56" (0 to 128; whether
    // the length suits the parent's family is the plan's question, not the text's).
    static Parsed<NeedSize> parse(std::string_view text);
    // The form parse() reads.
    std::string toString() const;

    friend constexpr bool operator==(const NeedSize&, const NeedSize&) = default;
};

// One row of the needs: what a network is for, and how big it must be.
struct PlanNeed
{
    std::string name;
    NeedSize size;

    friend bool operator==(const PlanNeed&, const PlanNeed&) = default;
};

enum class PlanMode
{
    Vlsm,          // each need the smallest network that holds it, largest first
    SplitByLength, // the whole parent cut into networks of Plan::splitLength
    SplitByCount,  // Plan::splitCount networks, rounded up to a power of two, equal in size
};

struct Plan
{
    IpNetwork parent;
    PlanMode mode = PlanMode::Vlsm;
    std::vector<PlanNeed> needs;  // Vlsm: in the user's order, which breaks ties of size
    int splitLength = 64;         // SplitByLength
    std::uint64_t splitCount = 2; // SplitByCount
    bool rfc3021 = false;         // IPv4 Vlsm: a need of 2 takes a /31, a need of 1 a /32

    friend bool operator==(const Plan&, const Plan&) = default;
};

// No need: a network of an equal split, which no row asked for.
inline constexpr std::size_t kNoNeed = std::numeric_limits<std::size_t>::max();

// An equal split makes at most this many networks; more is refused rather than listed.
inline constexpr std::uint64_t kPlanNetworkLimit = 65536;

struct PlanAllocation
{
    std::size_t need = kNoNeed; // index into Plan::needs
    IpNetwork network;
    // How much the network holds in its need's unit (usable hosts for IPv4, /64 networks
    // for IPv6), and how much of that the need leaves unused (0 for a "/n" need, and for
    // an equal split's networks).
    UInt128 capacity;
    UInt128 unused;

    friend bool operator==(const PlanAllocation&, const PlanAllocation&) = default;
};

enum class PlanProblem
{
    None,
    DoesNotFit,      // the networks take more than the parent: see missing
    BadNeedLength,   // a "/n" need longer than the family's addresses: see need
    BadSplitLength,  // a split length longer than the family's addresses
    NoNetworks,      // a split into 0 networks
    TooManyNetworks, // an equal split into more than kPlanNetworkLimit networks
};

struct PlanAnswer
{
    std::vector<PlanAllocation> allocations; // in address order; empty unless it fits
    std::vector<IpNetwork> free;             // the rest of the parent, fewest networks
    PlanProblem problem = PlanProblem::None;
    // DoesNotFit: how many addresses the networks take beyond the parent. Exact up to
    // 2^128; a plan that overruns by more says 2^128 and sets missingAtLeast.
    AddressCount missing;
    bool missingAtLeast = false;
    // DoesNotFit: the need that, placed largest first, first finds no room (kNoNeed for a
    // split); BadNeedLength: the first need with an impossible length.
    std::size_t need = kNoNeed;

    bool fits() const { return problem == PlanProblem::None; }
};

// The size of the network a need takes, as host bits (the block is 2^bits addresses);
// above AddressBits(family) when no network of that family can hold it, and -1 for a
// "/n" longer than the family's addresses.
int NeedBlockBits(IpFamily family, const NeedSize& size, bool rfc3021);

PlanAnswer PlanAddresses(const Plan& plan);

} // namespace net
