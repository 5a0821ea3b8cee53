#include "cli/printable.h"

#include "net/utf8.h"

#include <cstdint>
#include <cstring>

bool IsValidUtf8(std::string_view text)
{
    std::size_t k = 0;
    while (k < text.size()) {
        // Lines are nearly always plain ASCII: eight bytes with no top bit set pass at once.
        if (k + 8 <= text.size()) {
            std::uint64_t word = 0;
            std::memcpy(&word, text.data() + k, 8);
            if ((word & 0x8080808080808080) == 0) {
                k += 8;
                continue;
            }
        }
        if (static_cast<unsigned char>(text[k]) < 0x80) {
            ++k;
            continue;
        }
        const std::size_t length = net::Utf8SequenceLength(text.substr(k));
        if (length == 0)
            return false;
        k += length;
    }
    return true;
}

std::string Printable(std::string_view text, std::size_t limit)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string shown;
    std::size_t k = 0;
    while (k < text.size() && shown.size() < limit) {
        const auto c = static_cast<unsigned char>(text[k]);
        const std::size_t length = net::Utf8SequenceLength(text.substr(k));
        if (c < 0x20 || c == 0x7F || length == 0) {
            shown += {'\\', 'x', kHex[c >> 4], kHex[c & 15]};
            ++k;
        } else {
            shown.append(text.substr(k, length));
            k += length;
        }
    }
    if (k < text.size())
        shown += "...";
    return shown;
}
