#include "net/ipv6_address.h"

#include <algorithm>

namespace net {

namespace {

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

Ipv6ParseFault Fault(Ipv6ParseReason reason, std::size_t position, std::size_t length = 0,
                     int group = 0, int groupCount = 0)
{
    return {reason, position, length, group, groupCount};
}

Ipv6ParseReason Ipv4PartReason(ParseError error)
{
    switch (error) {
    case ParseError::LeadingZero:
        return Ipv6ParseReason::Ipv4LeadingZero;
    case ParseError::OutOfRange:
        return Ipv6ParseReason::Ipv4OutOfRange;
    default:
        return Ipv6ParseReason::Ipv4Malformed;
    }
}

// The faults of the text's shape that need no group read: characters, colon runs and
// where they stand. Found first, as they are the plainest to tell.
std::optional<Ipv6ParseFault> ShapeFault(std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (HexDigitValue(c) < 0 && c != ':' && c != '.')
            return Fault(Ipv6ParseReason::BadCharacter, i, 1);
    }
    bool gapSeen = false;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] != ':') {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && text[end] == ':')
            ++end;
        const std::size_t run = end - i;
        if (run > 2)
            return Fault(Ipv6ParseReason::ColonRun, i, run);
        if (run == 2) {
            if (gapSeen)
                return Fault(Ipv6ParseReason::MoreThanOneGap, i, 2);
            gapSeen = true;
        } else if (i == 0) {
            return Fault(Ipv6ParseReason::LeadingColon, i, 1);
        } else if (end == text.size()) {
            return Fault(Ipv6ParseReason::TrailingColon, i, 1);
        }
        i = end;
    }
    return std::nullopt;
}

std::string HexGroup(std::uint16_t group, bool padded)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (int shift = 12; shift >= 0; shift -= 4) {
        const int digit = group >> shift & 15;
        if (padded || digit != 0 || !text.empty() || shift == 0)
            text += kDigits[digit];
    }
    return text;
}

} // namespace

Parsed<Ipv6Address, Ipv6ParseFault> Ipv6Address::parseDetailed(std::string_view text)
{
    if (text.empty())
        return Fault(Ipv6ParseReason::Empty, 0);
    if (const std::size_t zone = text.find('%'); zone != std::string_view::npos)
        return Fault(Ipv6ParseReason::ZoneIndex, zone, text.size() - zone);
    if (text.find(':') == std::string_view::npos && Ipv4Address::parse(text))
        return Fault(Ipv6ParseReason::Ipv4Address, 0, text.size());
    if (const auto fault = ShapeFault(text))
        return *fault;

    // Every piece between colons read in order; `gapAt` counts the 16-bit groups before
    // the "::", if there is one.
    std::array<std::uint16_t, 8> groups{};
    int given = 0;
    int written = 0;
    std::optional<int> gapAt;
    std::optional<std::size_t> overflowAt; // where the ninth group begins
    std::size_t start = 0;
    while (start < text.size()) {
        if (text.substr(start, 2) == "::") {
            gapAt = given;
            start += 2;
            continue;
        }
        if (text[start] == ':')
            ++start;
        const std::size_t end = std::min(text.find(':', start), text.size());
        const std::string_view piece = text.substr(start, end - start);
        ++written;
        std::array<std::uint16_t, 2> read{};
        int count = 1;
        if (piece.find('.') != std::string_view::npos) {
            if (end != text.size())
                return Fault(Ipv6ParseReason::Ipv4NotLast, start, piece.size(), written);
            const auto ipv4 = Ipv4Address::parse(piece);
            if (!ipv4)
                return Fault(Ipv4PartReason(ipv4.error()), start, piece.size(), written);
            read = {static_cast<std::uint16_t>(ipv4->value() >> 16),
                    static_cast<std::uint16_t>(ipv4->value())};
            count = 2;
        } else {
            if (piece.size() > 4)
                return Fault(Ipv6ParseReason::GroupTooLong, start, piece.size(), written);
            for (const char c : piece)
                read[0] = static_cast<std::uint16_t>(read[0] << 4 | HexDigitValue(c));
        }
        for (int k = 0; k < count; ++k, ++given) {
            if (given < 8)
                groups[std::size_t(given)] = read[std::size_t(k)];
            else if (!overflowAt)
                overflowAt = start;
        }
        start = end;
    }
    if (given > 8)
        return Fault(Ipv6ParseReason::TooManyGroups, *overflowAt, text.size() - *overflowAt, 0,
                     written);
    if (gapAt && given == 8) {
        const std::size_t gap = text.find("::");
        return Fault(Ipv6ParseReason::GapWithoutRoom, gap, 2, 0, written);
    }
    if (!gapAt && given < 8)
        return Fault(Ipv6ParseReason::TooFewGroups, text.size(), 0, 0, written);

    // "::" stands for the zero groups that bring the count to eight.
    UInt128 value;
    const int before = gapAt.value_or(given);
    for (int k = 0; k < before; ++k)
        value = value << 16 | groups[std::size_t(k)];
    value = value << int(16 * (8 - given));
    for (int k = before; k < given; ++k)
        value = value << 16 | groups[std::size_t(k)];
    return Ipv6Address(value);
}

Parsed<Ipv6Address> Ipv6Address::parse(std::string_view text)
{
    const auto address = parseDetailed(text);
    if (!address)
        return address.error().error();
    return *address;
}

std::array<std::uint16_t, 8> Ipv6Address::groups() const
{
    std::array<std::uint16_t, 8> result{};
    for (int k = 0; k < 8; ++k)
        result[std::size_t(k)] = static_cast<std::uint16_t>((m_value >> (112 - 16 * k)).low());
    return result;
}

std::string Ipv6Address::toString() const
{
    if (const auto ipv4 = mappedIpv4())
        return "::ffff:" + ipv4->toString();
    const auto parts = groups();
    // The longest run of zero groups, the first of equal runs; a single zero stays.
    int bestStart = -1;
    int bestLength = 1;
    for (int k = 0; k < 8;) {
        if (parts[std::size_t(k)] != 0) {
            ++k;
            continue;
        }
        int end = k;
        while (end < 8 && parts[std::size_t(end)] == 0)
            ++end;
        if (end - k > bestLength) {
            bestStart = k;
            bestLength = end - k;
        }
        k = end;
    }
    std::string text;
    for (int k = 0; k < 8; ++k) {
        if (k == bestStart) {
            text += "::";
            k += bestLength - 1;
            continue;
        }
        if (!text.empty() && !text.ends_with(':'))
            text += ':';
        text += HexGroup(parts[std::size_t(k)], false);
    }
    return text;
}

std::string Ipv6Address::toExpandedString() const
{
    std::string text;
    for (const std::uint16_t group : groups()) {
        if (!text.empty())
            text += ':';
        text += HexGroup(group, true);
    }
    return text;
}

std::optional<Ipv4Address> Ipv6Address::mappedIpv4() const
{
    if ((m_value >> 32) != UInt128(0xFFFF))
        return std::nullopt;
    return Ipv4Address(static_cast<std::uint32_t>(m_value.low()));
}

} // namespace net
