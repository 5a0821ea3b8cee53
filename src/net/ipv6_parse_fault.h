#pragma once

// Why and where an IPv6 text was refused, finer than ParseError: a person reading "not an
// IPv6 address" cannot find the typo, one reading "group 3 has 5 digits" can. The reasons
// are codes, not sentences, so every front end words them in its own language.

#include "net/parsed.h"

#include <cstddef>
#include <string_view>

namespace net {

enum class Ipv6ParseReason
{
    Empty,                   // nothing given (or nothing before the '/')
    ZoneIndex,               // "fe80::1%eth0": a zone names a link of one host
    Ipv4Address,             // a dotted IPv4 address on its own, no colon at all
    BadCharacter,            // not a hex digit, ':', '.' or '/'
    ColonRun,                // three or more colons in a row
    MoreThanOneGap,          // a second "::": where the zeros go would be ambiguous
    LeadingColon,            // one ':' at the start ("::" is fine)
    TrailingColon,           // one ':' at the end ("::" is fine)
    GroupTooLong,            // a group of more than four hex digits
    Ipv4NotLast,             // a dotted IPv4 part anywhere but at the end
    Ipv4Malformed,           // the dotted IPv4 part is not four numbers
    Ipv4LeadingZero,         // the dotted IPv4 part has a number with a leading zero
    Ipv4OutOfRange,          // the dotted IPv4 part has a number above 255
    TooFewGroups,            // fewer than eight groups and no "::"
    TooManyGroups,           // more than eight groups
    GapWithoutRoom,          // "::" beside eight groups already: it must stand for one at least
    PrefixLengthEmpty,       // nothing after the '/'
    PrefixLengthNotNumber,   // after the '/': not decimal digits
    PrefixLengthLeadingZero, // after the '/': "064"
    PrefixLengthTooLarge,    // after the '/': above 128
    HostBitsSet,             // a network written with bits set beyond its length
};

struct Ipv6ParseFault
{
    Ipv6ParseReason reason = Ipv6ParseReason::Empty;
    std::size_t position = 0; // offset in the text where the fault begins
    std::size_t length = 0;   // characters of the faulty part: a group's digits, ...
    int group = 0;            // which written group, counted from 1 (0: no one group)
    int groupCount = 0;       // groups written, for the reasons about their number

    // The coarse reason of the family-independent parsers.
    ParseError error() const;

    // For people, who count characters where the parser counts the bytes of UTF-8: the
    // number of characters of `text` before the fault, and the faulty part (with a length
    // of one, the whole character that starts there).
    std::size_t characterPosition(std::string_view text) const;
    std::string_view part(std::string_view text) const;

    friend constexpr bool operator==(const Ipv6ParseFault&, const Ipv6ParseFault&) = default;
};

} // namespace net
