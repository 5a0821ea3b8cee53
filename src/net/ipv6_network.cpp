#include "net/ipv6_network.h"

#include "net/number_text.h"

#include <algorithm>

namespace net {

namespace {

Ipv6ParseReason PrefixLengthReason(std::string_view text)
{
    const auto number = ParseWholeNumber(text, std::uint64_t(Ipv6Address::kBits));
    switch (number ? ParseError::BadPrefixLength : number.error()) {
    case ParseError::Empty:
        return Ipv6ParseReason::PrefixLengthEmpty;
    case ParseError::Malformed:
        return Ipv6ParseReason::PrefixLengthNotNumber;
    case ParseError::LeadingZero:
        return Ipv6ParseReason::PrefixLengthLeadingZero;
    default:
        return Ipv6ParseReason::PrefixLengthTooLarge;
    }
}

} // namespace

Parsed<Ipv6Interface, Ipv6ParseFault> Ipv6Interface::parseDetailed(std::string_view text)
{
    const std::size_t slash = text.find('/');
    const auto address = Ipv6Address::parseDetailed(text.substr(0, slash));
    if (!address)
        return address.error();
    if (slash == std::string_view::npos)
        return Ipv6Interface{*address, 128};
    const std::string_view lengthText = text.substr(slash + 1);
    const auto length = ParsePrefixLength(lengthText, Ipv6Address::kBits);
    if (!length) {
        return Ipv6ParseFault{PrefixLengthReason(lengthText), slash + 1, lengthText.size(), 0, 0};
    }
    return Ipv6Interface{*address, *length};
}

Parsed<Ipv6Interface> Ipv6Interface::parse(std::string_view text)
{
    const auto written = parseDetailed(text);
    if (!written)
        return written.error().error();
    return *written;
}

std::string Ipv6Interface::toString() const
{
    return address.toString() + '/' + std::to_string(prefixLength);
}

Parsed<Ipv6Network, Ipv6ParseFault> Ipv6Network::parseDetailed(std::string_view text)
{
    const auto written = Ipv6Interface::parseDetailed(text);
    if (!written)
        return written.error();
    const Ipv6Network network = written->network();
    if (network.address() != written->address) {
        const std::size_t addressEnd = std::min(text.find('/'), text.size());
        return Ipv6ParseFault{Ipv6ParseReason::HostBitsSet, 0, addressEnd, 0, 0};
    }
    return network;
}

Parsed<Ipv6Network> Ipv6Network::parse(std::string_view text)
{
    const auto network = parseDetailed(text);
    if (!network)
        return network.error().error();
    return *network;
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
