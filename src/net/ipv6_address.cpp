#include "net/ipv6_address.h"

#include <vector>

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

// The groups of one side of "::" (or of a whole address without it) appended to
// `groups`; the last piece may be a dotted IPv4 address when `mayEndInIpv4`. Gives the
// reason when the text is not a list of groups.
std::optional<ParseError> AppendGroups(std::string_view text, bool mayEndInIpv4,
                                       std::vector<std::uint16_t>& groups)
{
    std::size_t start = 0;
    for (;;) {
        const std::size_t colon = text.find(':', start);
        const std::string_view piece = text.substr(start, colon - start);
        const bool last = colon == std::string_view::npos;
        if (last && mayEndInIpv4 && piece.find('.') != std::string_view::npos) {
            const auto ipv4 = Ipv4Address::parse(piece);
            if (!ipv4)
                return ipv4.error();
            groups.push_back(static_cast<std::uint16_t>(ipv4->value() >> 16));
            groups.push_back(static_cast<std::uint16_t>(ipv4->value()));
            return std::nullopt;
        }
        if (piece.empty())
            return ParseError::Malformed;
        unsigned group = 0;
        for (const char c : piece) {
            const int digit = HexDigitValue(c);
            if (digit < 0)
                return ParseError::Malformed;
            group = group << 4 | unsigned(digit);
        }
        if (piece.size() > 4)
            return ParseError::OutOfRange;
        groups.push_back(static_cast<std::uint16_t>(group));
        if (last)
            return std::nullopt;
        start = colon + 1;
    }
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

Parsed<Ipv6Address> Ipv6Address::parse(std::string_view text)
{
    if (text.empty())
        return ParseError::Empty;
    if (text.find('%') != std::string_view::npos)
        return ParseError::ZoneIndex;
    std::vector<std::uint16_t> head;
    std::vector<std::uint16_t> tail;
    const std::size_t gap = text.find("::");
    const bool compressed = gap != std::string_view::npos;
    if (!compressed) {
        if (const auto error = AppendGroups(text, true, head))
            return *error;
    } else {
        const std::string_view before = text.substr(0, gap);
        const std::string_view after = text.substr(gap + 2);
        if (after.find("::") != std::string_view::npos)
            return ParseError::Malformed;
        if (!before.empty()) {
            if (const auto error = AppendGroups(before, false, head))
                return *error;
        }
        if (!after.empty()) {
            if (const auto error = AppendGroups(after, true, tail))
                return *error;
        }
    }
    // "::" stands for at least one group of zeros.
    const std::size_t given = head.size() + tail.size();
    if (compressed ? given > 7 : given != 8)
        return ParseError::Malformed;
    UInt128 value;
    for (const std::uint16_t group : head)
        value = value << 16 | group;
    value = value << int(16 * (8 - given));
    for (const std::uint16_t group : tail)
        value = value << 16 | group;
    return Ipv6Address(value);
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
