#include "cli/address_args.h"

#include <QStringList>

std::optional<qint64> ParseWholeNumber(const QString& text, qint64 max)
{
    // Twelve digits stay far inside 64 bits, whatever max is.
    if (text.isEmpty() || text.size() > 12 || (text.size() > 1 && text.front() == QLatin1Char('0')))
        return std::nullopt;
    qint64 value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
    }
    if (value > max)
        return std::nullopt;
    return value;
}

std::optional<std::uint32_t> ParseAddress(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 4)
        return std::nullopt;
    std::uint32_t address = 0;
    for (const QString& part : parts) {
        const std::optional<qint64> octet = ParseWholeNumber(part, 255);
        if (!octet)
            return std::nullopt;
        address = (address << 8) | static_cast<std::uint32_t>(*octet);
    }
    return address;
}

std::optional<int> ParsePrefixLength(const QString& text)
{
    const std::optional<qint64> length = ParseWholeNumber(text, 32);
    return length ? std::optional<int>(static_cast<int>(*length)) : std::nullopt;
}

std::uint32_t MaskOfLength(int length)
{
    return length <= 0 ? 0u : ~std::uint32_t{0} << (32 - length);
}

std::optional<int> ContiguousMaskLength(std::uint32_t mask)
{
    for (int length = 0; length <= 32; ++length) {
        if (MaskOfLength(length) == mask)
            return length;
    }
    return std::nullopt;
}

QString FormatAddress(std::uint32_t address)
{
    const std::array<QString, 4> octets = OctetTexts(address);
    return octets[0] + QLatin1Char('.') + octets[1] + QLatin1Char('.') + octets[2] +
           QLatin1Char('.') + octets[3];
}

std::array<QString, 4> OctetTexts(std::uint32_t address)
{
    std::array<QString, 4> octets;
    for (int k = 0; k < 4; ++k)
        octets[k] = QString::number((address >> (24 - 8 * k)) & 255u);
    return octets;
}
