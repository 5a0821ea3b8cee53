#pragma once

// Input shown back in a message: whatever a user typed or a file held, a message must not
// move the cursor, retitle the terminal or run to megabytes.

#include <cstddef>
#include <string>
#include <string_view>

// The longest message text ferol-calc writes about one argument or line.
inline constexpr std::size_t kMessageLimit = 512;

bool IsValidUtf8(std::string_view text);

// Control bytes (and DEL) and bytes that are not UTF-8 as \xNN, the rest as it is; cut
// to `limit` bytes, then "...".
std::string Printable(std::string_view text, std::size_t limit = kMessageLimit);
