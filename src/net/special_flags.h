#pragma once

// The columns the IANA special-purpose address registries give every block, the same
// for IPv4 and IPv6.

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

} // namespace net
