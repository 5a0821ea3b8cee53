#include "net/ipv4_network.h"

#include "net/number_text.h"

#include <algorithm>

namespace net {

Parsed<int> Ipv4ParseLengthOrMask(std::string_view text)
{
    // A loop, not find(): the library's search costs more than the two bytes of a length.
    if (std::ranges::find(text, '.') == text.end())
        return ParsePrefixLength(text, Ipv4Address::kBits);
    const auto mask = Ipv4Address::parse(text);
    const auto length = mask ? Ipv4PrefixLengthOfMask(*mask) : std::nullopt;
    if (!length)
        return ParseError::NonContiguousMask;
    return *length;
}

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
    const auto length = Ipv4ParseLengthOrMask(text.substr(slash + 1));
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

std::optional<Ipv4Network> Ipv4Network::next() const
{
    const std::uint64_t after = std::uint64_t{m_address.value()} + addressCount();
    if (after > 0xFFFFFFFFu)
        return std::nullopt;
    return Ipv4Network(Ipv4Address(std::uint32_t(after)), m_length);
}

std::optional<Ipv4Network> Ipv4Network::previous() const
{
    if (m_address.value() < addressCount())
        return std::nullopt;
    return Ipv4Network(Ipv4Address(std::uint32_t(m_address.value() - addressCount())), m_length);
}

Ipv4Network Ipv4Network::subnet(int length, std::uint64_t index) const
{
    const std::uint64_t offset = index << (32 - length);
    return Ipv4Network(Ipv4Address(m_address.value() + std::uint32_t(offset)), length);
}

std::optional<Ipv4Range> Ipv4Network::hosts(bool rfc3021) const
{
    const Ipv4Range all = range();
    if (m_length == 32)
        return all;
    if (m_length == 31)
        return rfc3021 ? std::optional(all) : std::nullopt;
    return Ipv4Range{Ipv4Address(all.first.value() + 1), Ipv4Address(all.last.value() - 1)};
}

std::string Ipv4Network::toString() const
{
    return m_address.toString() + '/' + std::to_string(m_length);
}

} // namespace net
