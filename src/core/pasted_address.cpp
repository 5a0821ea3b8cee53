#include "core/pasted_address.h"

#include <QRegularExpression>

#include <bit>
#include <cstdint>

namespace {

// ASCII digits only: a digit of another script counts for nothing in a box.
const QString kDotted = QStringLiteral("([0-9]{1,3})\\.([0-9]{1,3})\\.([0-9]{1,3})\\.([0-9]{1,3})");

std::optional<int> ContiguousMaskLength(const DottedTexts& mask)
{
    std::uint32_t bits = 0;
    for (const QString& octet : mask) {
        const uint value = octet.toUInt();
        if (value > 255)
            return std::nullopt;
        bits = bits << 8 | value;
    }
    // The host part of a contiguous mask is a run of ones from bit 0, so adding one to it
    // carries through every one bit.
    const std::uint32_t host = ~bits;
    if ((host & (host + 1)) != 0)
        return std::nullopt;
    return std::popcount(bits);
}

} // namespace

std::optional<PastedAddress> ParsePastedAddress(const QString& text)
{
    static const QRegularExpression form(QRegularExpression::anchoredPattern(
        kDotted + QStringLiteral("(?:/([0-9]{1,2})|(?:[ \\t\\r\\n]+|/)") + kDotted +
        QStringLiteral(")?")));
    const QRegularExpressionMatch match = form.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;

    PastedAddress pasted;
    for (int i = 0; i < 4; ++i)
        pasted.address[i] = match.captured(1 + i);
    if (match.hasCaptured(5)) {
        const int length = match.captured(5).toInt();
        if (length > 32)
            return std::nullopt;
        pasted.maskLength = length;
    } else if (match.hasCaptured(6)) {
        DottedTexts mask;
        for (int i = 0; i < 4; ++i)
            mask[i] = match.captured(6 + i);
        pasted.mask = mask;
        pasted.maskLength = ContiguousMaskLength(mask);
    }
    return pasted;
}

QString OneLineText(const QString& text)
{
    QString line = text;
    line.removeIf([](QChar c) {
        switch (c.unicode()) {
        case u'\t':
        case u'\n':
        case u'\v':
        case u'\f':
        case u'\r':
        case 0x85:   // next line
        case 0x2028: // line separator
        case 0x2029: // paragraph separator
            return true;
        default:
            return false;
        }
    });
    return line;
}
