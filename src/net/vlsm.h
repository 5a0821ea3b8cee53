#pragma once

// Variable-length subnetting: carving networks for a list of host counts out of one
// IPv4 network. Each need gets the smallest network whose usable hosts suffice (all but
// the network and broadcast addresses; a /31 holds 2 and a /32 holds 1 only under
// RFC 3021), largest first from the bottom of the parent. Blocks of falling powers of two
// laid end to end are each aligned on their own size, so the plan fits exactly when the
// sizes add up to no more than the parent, and the space left is one run at the top.

#include "net/ipv4_network.h"

#include <cstdint>
#include <span>
#include <vector>

namespace net {

struct VlsmAllocation
{
    std::uint32_t hosts; // the need as given
    Ipv4Network network;

    friend bool operator==(const VlsmAllocation&, const VlsmAllocation&) = default;
};

struct VlsmPlan
{
    std::vector<VlsmAllocation> allocations; // in address order; empty when refused
    std::vector<Ipv4Network> unused;         // the space left, as few networks as possible
    std::uint64_t missingAddresses = 0;      // how far the needs overrun the parent; 0 if they fit

    bool fits() const { return missingAddresses == 0; }
};

// The size of the smallest network with `hosts` usable addresses (a need of 0 is met like
// one of 1); up to 2^33 for needs no IPv4 network can meet.
std::uint64_t VlsmBlockSize(std::uint32_t hosts, bool rfc3021);

VlsmPlan PlanVlsm(const Ipv4Network& parent, std::span<const std::uint32_t> hosts, bool rfc3021);

} // namespace net
