#pragma once

// Whole numbers as people type them on a command line or in a file: decimal digits only,
// no sign, blanks or leading zeros.

#include "net/parsed.h"

#include <cstdint>
#include <string_view>

namespace net {

Parsed<std::uint64_t> ParseWholeNumber(std::string_view text, std::uint64_t max);

// "0" to maxLength; the length after the "/" of a prefix.
Parsed<int> ParsePrefixLength(std::string_view text, int maxLength);

} // namespace net
