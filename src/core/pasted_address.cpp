#include "core/pasted_address.h"

#include "net/ipv4_address.h"
#include "net/ipv6_network.h"

#include <QRegularExpression>

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
    return net::Ipv4PrefixLengthOfMask(net::Ipv4Address(bits));
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

QString PastedOctetDigits(const QString& text)
{
    const QString trimmed = text.trimmed();
    const QByteArray latin1 = trimmed.toLatin1();
    const std::string_view view(latin1.constData(), std::size_t(latin1.size()));
    if (net::Ipv6Interface::parse(view))
        return {};
    qsizetype digits = 0;
    while (digits < trimmed.size() && trimmed.at(digits) >= QLatin1Char('0') &&
           trimmed.at(digits) <= QLatin1Char('9'))
        ++digits;
    return trimmed.left(digits);
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
