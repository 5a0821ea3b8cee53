#include "net/reverse_zone.h"

namespace net {

std::string ReverseZone(const Ipv4Network& network)
{
    const auto octets = network.address().octets();
    std::string zone;
    for (int k = network.prefixLength() / 8 - 1; k >= 0; --k)
        zone += std::to_string(octets[std::size_t(k)]) + '.';
    return zone + "in-addr.arpa";
}

std::optional<std::string> ClasslessReverseZone(const Ipv4Network& network)
{
    if (network.prefixLength() <= 24)
        return std::nullopt;
    return std::to_string(network.address().octets()[3]) + '/' +
           std::to_string(network.prefixLength()) + '.' + ReverseZone(network);
}

std::string ReverseZone(const Ipv6Network& network)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    const UInt128 value = network.address().value();
    std::string zone;
    for (int k = network.prefixLength() / 4 - 1; k >= 0; --k) {
        zone += kDigits[(value >> (124 - 4 * k)).low() & 15];
        zone += '.';
    }
    return zone + "ip6.arpa";
}

} // namespace net
