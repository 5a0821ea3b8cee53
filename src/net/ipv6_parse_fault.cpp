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

} // namespace net
