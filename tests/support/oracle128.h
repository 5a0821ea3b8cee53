#pragma once

// The compiler's own 128-bit integers, the oracle the 128-bit core is checked against:
// conversions both ways and decimal digits written by plain division.

#include "net/uint128.h"

#include <cstdint>
#include <string>

// __extension__ keeps -Wpedantic quiet, and it takes a typedef, not a using.
// NOLINTNEXTLINE(modernize-use-using)
__extension__ typedef unsigned __int128 Oracle;

inline Oracle ToOracle(net::UInt128 n)
{
    return Oracle{n.high()} << 64 | n.low();
}

inline net::UInt128 FromOracle(Oracle n)
{
    return {std::uint64_t(n >> 64), std::uint64_t(n)};
}

inline std::string Decimal(Oracle n)
{
    std::string digits;
    do {
        digits.insert(digits.begin(), char('0' + int(n % 10)));
        n /= 10;
    } while (n != 0);
    return digits;
}
