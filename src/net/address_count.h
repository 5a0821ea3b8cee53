#pragma once

// How many addresses a network or range holds: 1 to 2^128, one more than the largest
// 128-bit number, so the whole IPv6 space counts exactly. Never a floating-point value.

#include "net/uint128.h"

#include <compare>
#include <cstdint>
#include <optional>
#include <string>

namespace net {

class AddressCount
{
public:
    constexpr AddressCount() = default;
    constexpr AddressCount(std::uint64_t count) : m_low128(count) {}

    // 2^bits, bits 0 to 128.
    static constexpr AddressCount powerOfTwo(int bits)
    {
        AddressCount count;
        if (bits >= 128)
            count.m_bit128 = true;
        else
            count.m_low128 = UInt128(1) << bits;
        return count;
    }

    // The numbers first to last, both included; first must not be above last.
    static constexpr AddressCount span(UInt128 first, UInt128 last)
    {
        AddressCount count;
        count.m_low128 = last - first + 1;
        count.m_bit128 = count.m_low128 == 0; // 0 to max wrapped round to 0
        return count;
    }

    // The count as a 64-bit number when it fits.
    constexpr std::optional<std::uint64_t> toUint64() const
    {
        if (m_bit128 || m_low128.high() != 0)
            return std::nullopt;
        return m_low128.low();
    }

    // Decimal digits.
    std::string toString() const;

    // clang-tidy 14 takes the 0 in the comparison this generates for a null pointer.
    // NOLINTNEXTLINE(modernize-use-nullptr)
    friend constexpr auto operator<=>(const AddressCount&, const AddressCount&) = default;

private:
    bool m_bit128 = false; // 2^128 exactly; declared first so that <=> orders by it first
    UInt128 m_low128;
};

} // namespace net
