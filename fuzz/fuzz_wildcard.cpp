// The wildcard match against a brute-force count over every octet value, the engine's
// corrections as a fixed point, and the report's line ends.

#include "fuzz_helpers.h"

#include "core/octet_routines.h"
#include "wildcard/match_engine.h"
#include "wildcard/report.h"

#include <QStringList>

namespace {

// Every value 0..255 that agrees with address wherever mask has a 0 bit, as runs.
QString BruteForceList(int address, int mask)
{
    QString list;
    for (int first = 0; first < 256; ++first) {
        const auto matches = [&](int value) {
            return ((value ^ address) & ~mask & 255) == 0;
        };
        if (!matches(first))
            continue;
        int last = first;
        while (last < 255 && matches(last + 1))
            ++last;
        list += QStringLiteral(" %1").arg(first);
        if (last > first)
            list += QStringLiteral("- %1").arg(last);
        list += QStringLiteral("\r\n");
        first = last;
    }
    return list;
}

// Box texts as a user leaves them: mostly numbers up to 300, sometimes anything at all.
QString BoxText(FuzzInput& in)
{
    const std::uint8_t kind = in.byte();
    if (kind % 4 == 0)
        return in.text(12);
    return QString::number(in.intIn(0, 300)) + (kind % 4 == 1 ? in.text(3) : QString());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    const int address = in.intIn(0, 255);
    const int mask = in.intIn(0, 255);
    FUZZ_CHECK(MatchList(address, mask) == BruteForceList(address, mask),
               QStringLiteral("%1 %2").arg(address).arg(mask));

    WildcardOctets texts;
    for (QString& text : texts)
        text = BoxText(in);
    const WildcardMatch match = MatchWildcard(texts);
    const QString context = QStringList(texts.begin(), texts.end()).join(QLatin1Char('|'));
    // Out-of-range boxes become "0"; the rest keep their text and count rounded.
    for (int k = 0; k < 8; ++k) {
        const double given = NumericValue(texts[k]);
        const bool keeps = given >= 1 && given <= 255;
        FUZZ_CHECK(match.octets[k] == (keeps ? texts[k] : QStringLiteral("0")),
                   context + " -> " + match.octets[k]);
    }
    for (int k = 0; k < 4; ++k) {
        const int a = RoundToInt16(NumericValue(match.octets[k]));
        const int w = RoundToInt16(NumericValue(match.octets[k + 4]));
        FUZZ_CHECK(match.lists[k] == BruteForceList(a, w), context + " list " + match.lists[k]);
    }
    const WildcardMatch again = MatchWildcard(match.octets);
    FUZZ_CHECK(again.octets == match.octets && again.lists == match.lists, context);

    const QByteArray bytes = WildcardReportBytes(match.octets, match.lists);
    FUZZ_CHECK(QString::fromUtf8(bytes).toUtf8() == bytes, context);
    FUZZ_CHECK(bytes.endsWith(" \r\n") && bytes.count("\n") == bytes.count("\r\n"), context);
    return 0;
}
