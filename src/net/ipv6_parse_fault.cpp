#include "net/ipv6_parse_fault.h"

namespace net {

ParseError Ipv6ParseFault::error() const
{
    switch (reason) {
    case Ipv6ParseReason::Empty:
        return ParseError::Empty;
    case Ipv6ParseReason::ZoneIndex:
        return ParseError::ZoneIndex;
    case Ipv6ParseReason::GroupTooLong:
    case Ipv6ParseReason::Ipv4OutOfRange:
        return ParseError::OutOfRange;
    case Ipv6ParseReason::Ipv4LeadingZero:
        return ParseError::LeadingZero;
    case Ipv6ParseReason::PrefixLengthEmpty:
    case Ipv6ParseReason::PrefixLengthNotNumber:
    case Ipv6ParseReason::PrefixLengthLeadingZero:
    case Ipv6ParseReason::PrefixLengthTooLarge:
        return ParseError::BadPrefixLength;
    case Ipv6ParseReason::HostBitsSet:
        return ParseError::HostBitsSet;
    default:
        return ParseError::Malformed;
    }
}

std::size_t Ipv6ParseFault::characterPosition(std::string_view text) const
{
    std::size_t characters = 0;
    for (const char c : text.substr(0, position)) {
        // Continuation bytes of UTF-8 (10xxxxxx) belong to the character before.
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++characters;
    }
    return characters;
}

std::string_view Ipv6ParseFault::part(std::string_view text) const
{
    if (position >= text.size())
        return {};
    std::size_t size = length;
    if (size == 1) {
        const auto lead = static_cast<unsigned char>(text[position]);
        size = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    }
    return text.substr(position, size);
}

} // namespace net
