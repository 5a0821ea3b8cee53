#include "net/reverse_zone.h"

#include "net/octet_text.h"

#include <algorithm>
#include <string_view>

namespace net {

std::size_t WriteReverseZone(const Ipv4Network& network, char* to)
{
    static constexpr std::string_view kSuffix = "in-addr.arpa";
    const std::uint32_t address = network.address().value();
    char* out = to;
    // The whole octets of the network, last first.
    for (int shift = 32 - network.prefixLength() / 8 * 8; shift < 32; shift += 8)
        out += WriteOctetAndDot(out, address >> shift) + 1;
    out = std::copy(kSuffix.begin(), kSuffix.end(), out);
    return std::size_t(out - to);
}

std::size_t WriteClasslessReverseZone(const Ipv4Network& network, char* to)
{
    const int length = network.prefixLength();
    if (length <= 24)
        return 0;
    char* out = to + WriteOctetAndDot(to, network.address().value());
    *out++ = '/';
    // 25 to 32: two digits, then the dot before the /24's zone.
    *out++ = char('0' + length / 10);
    *out++ = char('0' + length % 10);
    *out++ = '.';
    return std::size_t(out - to) + WriteReverseZone(network, out);
}

std::string ReverseZone(const Ipv4Network& network)
{
    char text[kIpv4ZoneRoom];
    return std::string(text, WriteReverseZone(network, text));
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
