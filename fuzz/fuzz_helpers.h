#pragma once

// The Qt side of the fuzz targets' helpers (fuzz_bytes.h): checks that name the input in
// a QString, texts made of UTF-16 units, and addresses written the obvious way for the
// oracles.

#include "fuzz_bytes.h"

#include <QString>

// FUZZ_CHECK(condition, detail): detail is any QString-convertible text naming the input.
#define FUZZ_CHECK(condition, detail)                                                              \
    do {                                                                                           \
        if (!(condition))                                                                          \
            FuzzPropertyFailed(__FILE__, __LINE__, #condition, QString(detail).toStdString());     \
    } while (false)

// The dotted and the 32-character binary text of x.
inline QString Dotted(std::uint32_t x)
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg(x >> 24)
        .arg(x >> 16 & 255)
        .arg(x >> 8 & 255)
        .arg(x & 255);
}

inline QString Bits(std::uint32_t x)
{
    return QString::number(x, 2).rightJustified(32, QLatin1Char('0'));
}

class FuzzInput : public FuzzBytes
{
public:
    using FuzzBytes::FuzzBytes;

    // A text of up to maxLength characters: one length byte, then UTF-16 code units made
    // from single bytes, so ASCII and Latin-1 dominate, with a marker byte that widens
    // the next unit (non-ASCII digits, surrogates).
    QString text(int maxLength = 64)
    {
        const int length = byte() % (maxLength + 1);
        QString result;
        for (int k = 0; k < length && !empty(); ++k) {
            const std::uint8_t b = byte();
            result += b == 0xFF ? QChar(static_cast<char16_t>(byte() << 8 | byte()))
                                : QChar(static_cast<char16_t>(b));
        }
        return result;
    }

    // Everything left, as Latin-1 text.
    QString rest()
    {
        const QString result = QString::fromLatin1(reinterpret_cast<const char*>(m_data),
                                                   static_cast<qsizetype>(m_size));
        m_size = 0;
        return result;
    }
};
