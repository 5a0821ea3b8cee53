#include "wildcard/match_engine.h"

#include "core/octet_routines.h"
#include "net/ipv4_wildcard.h"

namespace {

struct Octet
{
    bool inRange;
    int value; // 0 when out of range
};

Octet ReadOctet(const QString& text)
{
    const double value = NumericValue(text);
    if (value < 1 || value > 255)
        return {false, 0};
    return {true, RoundToInt16(value)};
}

// Appends " n" without going through QString::number: the list is rebuilt on every
// keystroke and may hold 128 lines.
void AppendNumber(char*& out, int n)
{
    *out++ = ' ';
    if (n >= 100)
        *out++ = static_cast<char>('0' + n / 100);
    if (n >= 10)
        *out++ = static_cast<char>('0' + n / 10 % 10);
    *out++ = static_cast<char>('0' + n % 10);
}

void AppendRun(char*& out, int first, int last)
{
    AppendNumber(out, first);
    if (last > first) {
        *out++ = '-';
        AppendNumber(out, last);
    }
    *out++ = '\r';
    *out++ = '\n';
}

} // namespace

QString MatchList(int address, int mask)
{
    // At most 128 lines of " nnn\r\n" or 64 of " nnn- nnn\r\n".
    char buffer[128 * 6 + 1];
    char* out = buffer;
    for (const net::OctetRun& run :
         net::WildcardOctetRuns(std::uint8_t(address), std::uint8_t(mask)))
        AppendRun(out, run.first, run.last);
    return QString::fromLatin1(buffer, out - buffer);
}

WildcardMatch MatchWildcard(const WildcardOctets& texts)
{
    WildcardMatch match;
    std::array<int, 8> values{};
    for (int box = 0; box < 8; ++box) {
        const Octet octet = ReadOctet(texts[box]);
        match.octets[box] = octet.inRange ? texts[box] : QStringLiteral("0");
        values[box] = octet.value;
    }
    for (int i = 0; i < 4; ++i)
        match.lists[i] = MatchList(values[i], values[i + 4]);
    return match;
}
