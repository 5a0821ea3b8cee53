#include "net/ipv4_network.h"

namespace net {

namespace {

// "0" to "32" without leading zeros.
Parsed<int> ParseLength(std::string_view text)
{
    if (text.empty() || text.size() > 2)
        return ParseError::BadPrefixLength;
    int length = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return ParseError::BadPrefixLength;
        length = length * 10 + (c - '0');
    }
    if ((text.size() > 1 && text[0] == '0') || length > 32)
        return ParseError::BadPrefixLength;
    return length;
}

// After the "/": a length, or a dotted mask of leading ones.
Parsed<int> ParseLengthOrMask(std::string_view text)
{
    if (text.find('.') == std::string_view::npos)
        return ParseLength(text);
    const auto mask = Ipv4Address::parse(text);
    if (!mask)
        return mask.error();
    const auto length = Ipv4PrefixLengthOfMask(*mask);
    if (!length)
        return ParseError::NonContiguousMask;
    return *length;
}

} // namespace

Parsed<Ipv4Interface> Ipv4Interface::parse(std::string_view text)
{
    if (text.empty())
        return ParseError::Empty;
    const std::size_t slash = text.find('/');
    const auto address = Ipv4Address::parse(text.substr(0, slash));
    if (!address)
        return address.error();
    if (slash == std::string_view::npos)
        return Ipv4Interface{*address, 32};
    const auto length = ParseLengthOrMask(text.substr(slash + 1));
    if (!length)
        return length.error();
    return Ipv4Interface{*address, *length};
}

std::string Ipv4Interface::toString() const
{
    return address.toString() + '/' + std::to_string(prefixLength);
}

Parsed<Ipv4Network> Ipv4Network::parse(std::string_view text)
{
    const auto written = Ipv4Interface::parse(text);
    if (!written)
        return written.error();
    const Ipv4Network network = written->network();
    if (network.address() != written->address)
        return ParseError::HostBitsSet;
    return network;
}

std::string Ipv4Network::toString() const
{
    return m_address.toString() + '/' + std::to_string(m_length);
}

} // namespace net
