#pragma once

// UTF-8 as the command line and the plan files check it: one sequence at a time, strictly
// (no overlong forms, surrogates or code points beyond U+10FFFF).

#include <cstddef>
#include <string_view>

namespace net {

// The length of the UTF-8 sequence at the start of `text`, or 0 when it is not one:
// overlong forms, surrogates and code points beyond U+10FFFF are not UTF-8.
std::size_t Utf8SequenceLength(std::string_view text);

} // namespace net
