#pragma once

// A 128-bit unsigned whole number for IPv6 addresses and their arithmetic, in two 64-bit
// halves so that the code needs no compiler extension. It behaves like the built-in
// unsigned types: arithmetic wraps modulo 2^128. Shifts by 128 or more give 0, which is
// what the masks of lengths 0 and 128 want.

#include "net/parsed.h"

#include <bit>
#include <compare>
#include <cstdint>
#include <string>
#include <string_view>

namespace net {

class UInt128
{
public:
    constexpr UInt128() = default;
    constexpr UInt128(std::uint64_t low) : m_low(low) {}
    constexpr UInt128(std::uint64_t high, std::uint64_t low) : m_high(high), m_low(low) {}

    static constexpr UInt128 max() { return {~std::uint64_t{0}, ~std::uint64_t{0}}; }

    // Decimal digits only, "0" to "340282366920938463463374607431768211455", no sign,
    // blanks or leading zeros.
    static Parsed<UInt128> parse(std::string_view text);

    constexpr std::uint64_t high() const { return m_high; }
    constexpr std::uint64_t low() const { return m_low; }

    // Decimal digits, no leading zeros.
    std::string toString() const;

    friend constexpr UInt128 operator+(UInt128 a, UInt128 b)
    {
        const std::uint64_t low = a.m_low + b.m_low;
        return {a.m_high + b.m_high + (low < a.m_low ? 1 : 0), low};
    }
    friend constexpr UInt128 operator-(UInt128 a, UInt128 b)
    {
        return {a.m_high - b.m_high - (a.m_low < b.m_low ? 1 : 0), a.m_low - b.m_low};
    }
    friend constexpr UInt128 operator&(UInt128 a, UInt128 b)
    {
        return {a.m_high & b.m_high, a.m_low & b.m_low};
    }
    friend constexpr UInt128 operator|(UInt128 a, UInt128 b)
    {
        return {a.m_high | b.m_high, a.m_low | b.m_low};
    }
    friend constexpr UInt128 operator^(UInt128 a, UInt128 b)
    {
        return {a.m_high ^ b.m_high, a.m_low ^ b.m_low};
    }
    constexpr UInt128 operator~() const { return {~m_high, ~m_low}; }

    friend constexpr UInt128 operator<<(UInt128 a, int n)
    {
        if (n <= 0)
            return a;
        if (n >= 128)
            return {};
        if (n >= 64)
            return {a.m_low << (n - 64), 0};
        return {a.m_high << n | a.m_low >> (64 - n), a.m_low << n};
    }
    friend constexpr UInt128 operator>>(UInt128 a, int n)
    {
        if (n <= 0)
            return a;
        if (n >= 128)
            return {};
        if (n >= 64)
            return {0, a.m_high >> (n - 64)};
        return {a.m_high >> n, a.m_low >> n | a.m_high << (64 - n)};
    }

    UInt128& operator+=(UInt128 b) { return *this = *this + b; }
    UInt128& operator-=(UInt128 b) { return *this = *this - b; }

    // Leading and trailing zero bits, 128 for zero.
    constexpr int countlZero() const
    {
        return m_high != 0 ? std::countl_zero(m_high) : 64 + std::countl_zero(m_low);
    }
    constexpr int countrZero() const
    {
        return m_low != 0 ? std::countr_zero(m_low) : 64 + std::countr_zero(m_high);
    }

    // clang-tidy 14 takes the 0 in the comparison this generates for a null pointer.
    // NOLINTNEXTLINE(modernize-use-nullptr)
    friend constexpr auto operator<=>(UInt128, UInt128) = default;

private:
    std::uint64_t m_high = 0; // declared first: the default <=> compares the high half first
    std::uint64_t m_low = 0;
};

// The number with the lowest `bits` bits set, 0 to 128.
constexpr UInt128 LowBits(int bits)
{
    return bits >= 128 ? UInt128::max() : (UInt128(1) << bits) - 1;
}

} // namespace net
