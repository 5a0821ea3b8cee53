#include "net/ipv6_embedded.h"

namespace net {

namespace {

std::uint32_t Bits32(UInt128 value, int lowestBit)
{
    return static_cast<std::uint32_t>((value >> lowestBit).low());
}

} // namespace

std::optional<Ipv4Address> SixToFourIpv4(Ipv6Address address)
{
    if ((address.value() >> 112) != UInt128(0x2002))
        return std::nullopt;
    return Ipv4Address(Bits32(address.value(), 80));
}

std::optional<TeredoEndpoints> TeredoEndpointsOf(Ipv6Address address)
{
    if ((address.value() >> 96) != UInt128(0x2001'0000))
        return std::nullopt;
    const UInt128 value = address.value();
    return TeredoEndpoints{Ipv4Address(Bits32(value, 64)), Ipv4Address(~Bits32(value, 0)),
                           static_cast<std::uint16_t>(~Bits32(value, 32))};
}

std::optional<Ipv4Address> Nat64Ipv4(Ipv6Address address)
{
    if ((address.value() >> 32) != UInt128(0x0064'FF9B'0000'0000, 0) >> 32)
        return std::nullopt;
    return Ipv4Address(Bits32(address.value(), 0));
}

} // namespace net
