#pragma once

// What every fuzz target shares, without Qt: typed values read out of libFuzzer's bytes,
// and a check that stops the run with the failing values printed, so a finding is a
// crash libFuzzer saves and can replay.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

[[noreturn]] inline void FuzzPropertyFailed(const char* file, int line, const char* condition,
                                            const std::string& detail)
{
    std::fprintf(stderr, "%s:%d: property failed: %s\n  %s\n", file, line, condition,
                 detail.c_str());
    std::abort();
}

// FUZZ_REQUIRE(condition, detail): detail is a std::string naming the input.
#define FUZZ_REQUIRE(condition, detail)                                                            \
    do {                                                                                           \
        if (!(condition))                                                                          \
            FuzzPropertyFailed(__FILE__, __LINE__, #condition, detail);                            \
    } while (false)

class FuzzBytes
{
public:
    FuzzBytes(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

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

    // Up to maxLength bytes as they come: one length byte, then the bytes.
    std::string bytes(int maxLength = 64)
    {
        const int length = byte() % (maxLength + 1);
        std::string result;
        for (int k = 0; k < length && !empty(); ++k)
            result += static_cast<char>(byte());
        return result;
    }

protected:
    const std::uint8_t* m_data;
    std::size_t m_size;
};
