#pragma once

// What every fuzz target shares: reading typed values out of libFuzzer's bytes, a check
// that stops the run with the failing values printed (so a finding is a crash libFuzzer
// saves and can replay), and addresses written the obvious way for the oracles.

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// FUZZ_CHECK(condition, detail): detail is any QString-convertible text naming the input.
#define FUZZ_CHECK(condition, detail)                                                              \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property failed: %s\n  %s\n", __FILE__, __LINE__,         \
                         #condition, qUtf8Printable(QString(detail)));                             \
            std::abort();                                                                          \
        }                                                                                          \
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

class FuzzInput
{
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    bool empty() const { return m_size == 0; }

    std::uint8_t byte()
    {
        if (m_size == 0)
            return 0;
        --m_size;
        return *m_data++;
    }

    std::uint32_t uint32()
    {
        std::uint32_t value = 0;
        for (int k = 0; k < 4; ++k)
            value = value << 8 | byte();
        return value;
    }

    // A whole number in [low, high].
    int intIn(int low, int high)
    {
        const auto span = static_cast<std::uint32_t>(high - low) + 1;
        return low + static_cast<int>(uint32() % span);
    }

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

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
};
