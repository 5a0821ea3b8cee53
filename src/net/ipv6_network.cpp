#include "net/ipv6_network.h"

#include "net/number_text.h"

namespace net {

Parsed<Ipv6Interface> Ipv6Interface::parse(std::string_view text)
{
    if (text.empty())
        return ParseError::Empty;
    const std::size_t slash = text.find('/');
    const auto address = Ipv6Address::parse(text.substr(0, slash));
    if (!address)
        return address.error();
    if (slash == std::string_view::npos)
        return Ipv6Interface{*address, 128};
    const auto length = ParsePrefixLength(text.substr(slash + 1), Ipv6Address::kBits);
    if (!length)
        return length.error();
    return Ipv6Interface{*address, *length};
}

std::string Ipv6Interface::toString() const
{
    return address.toString() + '/' + std::to_string(prefixLength);
}

Parsed<Ipv6Network> Ipv6Network::parse(std::string_view text)
{
    const auto written = Ipv6Interface::parse(text);
    if (!written)
        return written.error();
    const Ipv6Network network = written->network();
    if (network.address() != written->address)
        return ParseError::HostBitsSet;
    return network;
}

std::optional<Ipv6Network> Ipv6Network::next() const
{
    if (last().value() == UInt128::max())
        return std::nullopt;
    return Ipv6Network(Ipv6Address(last().value() + 1), m_length);
}

std::optional<Ipv6Network> Ipv6Network::previous() const
{
    if (m_address.value() == UInt128())
        return std::nullopt;
    return containing(Ipv6Address(m_address.value() - 1), m_length);
}

std::string Ipv6Network::toString() const
{
    return m_address.toString() + '/' + std::to_string(m_length);
}

} // namespace net
