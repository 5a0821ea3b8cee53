#include "net/reverse_zone.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace net {

namespace {

// Decimal numbers into a stack buffer: a batch asks for two zones a line, a million times.
char* WriteDecimal(char* out, unsigned number)
{
    return std::to_chars(out, out + 3, number).ptr;
}

} // namespace

std::size_t WriteReverseZone(const Ipv4Network& network, char* to)
{
    static constexpr std::string_view kSuffix = "in-addr.arpa";
    const auto octets = network.address().octets();
    char* out = to;
    for (int k = network.prefixLength() / 8 - 1; k >= 0; --k) {
        out = WriteDecimal(out, octets[std::size_t(k)]);
        *out++ = '.';
    }
    out = std::copy(kSuffix.begin(), kSuffix.end(), out);
    return std::size_t(out - to);
}

std::size_t WriteClasslessReverseZone(const Ipv4Network& network, char* to)
{
    if (network.prefixLength() <= 24)
        return 0;
    char* out = WriteDecimal(to, network.address().octets()[3]);
    *out++ = '/';
    out = WriteDecimal(out, unsigned(network.prefixLength()));
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
