#include "net/ip_network.h"

#include <cassert>
#include <string>

namespace net {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

Parsed<IpNetwork> IpNetwork::parse(std::string_view text)
{
    text = Trimmed(text);
    if (text.empty())
        return ParseError::Empty;
    if (text.find(':') != std::string_view::npos) {
        const auto network = Ipv6Network::parse(text);
        if (!network)
            return network.error();
        return IpNetwork(*network);
    }
    // "a.b.c.d m.m.m.m" is the same network as "a.b.c.d/m.m.m.m"; one run of blanks, and
    // only between an address and something after it, stands for the slash.
    std::string written(text);
    const std::size_t blank = text.find_first_of(" \t");
    if (blank != std::string_view::npos) {
        if (text.find('/') != std::string_view::npos)
            return ParseError::Malformed;
        std::size_t end = blank;
        while (IsBlank(text[end]))
            ++end;
        written = std::string(text.substr(0, blank)) + '/' + std::string(text.substr(end));
    }
    const auto network = Ipv4Network::parse(written);
    if (!network)
        return network.error();
    return IpNetwork(*network);
}

Ipv4Network IpNetwork::ipv4() const
{
    assert(m_family == IpFamily::Ipv4);
    return Ipv4Network::containing(Ipv4Address(std::uint32_t(m_first.low())), m_length);
}

Ipv6Network IpNetwork::ipv6() const
{
    assert(m_family == IpFamily::Ipv6);
    return Ipv6Network::containing(Ipv6Address(m_first), m_length);
}

std::string IpNetwork::toString() const
{
    return m_family == IpFamily::Ipv4 ? ipv4().toString() : ipv6().toString();
}

} // namespace net
