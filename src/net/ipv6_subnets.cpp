#include "net/ipv6_subnets.h"

namespace net {

AddressCount Ipv6SubnetCount(const Ipv6Network& network, int length)
{
    return AddressCount::powerOfTwo(length - network.prefixLength());
}

AddressCount Ipv6SubnetsAfter(const Ipv6Network& network, int length, std::uint64_t listed)
{
    if (listed == 0)
        return Ipv6SubnetCount(network, length);
    // The subnets numbered listed .. 2^bits - 1.
    return AddressCount::span(UInt128(listed), LowBits(length - network.prefixLength()));
}

Ipv6Network Ipv6SubnetAt(const Ipv6Network& network, int length, UInt128 index)
{
    return Ipv6Network::containing(
        Ipv6Address(network.address().value() | index << (Ipv6Address::kBits - length)), length);
}

} // namespace net
