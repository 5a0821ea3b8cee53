#pragma once

// What a paste into an octet box means. A text that, once the blanks and line breaks
// around it are gone, is a dotted address ("a.b.c.d"), an address with a prefix length
// ("a.b.c.d/len", 0 to 32) or an address followed by blanks or "/" and a dotted mask
// fills the whole row; of anything else only a leading number reaches the one box.

#include <QString>

#include <array>
#include <optional>

using DottedTexts = std::array<QString, 4>;

struct PastedAddress
{
    // The four octet texts as written: one to three digits each, so a value above 255
    // reaches the boxes as if typed and meets each row's own rule for it.
    DottedTexts address;
    // The dotted value after the address, when there is one.
    std::optional<DottedTexts> mask;
    // The prefix length after "/", or the length of mask when that is a contiguous
    // subnet mask.
    std::optional<int> maskLength;
};

std::optional<PastedAddress> ParsePastedAddress(const QString& text);

// What a paste that is no dotted address puts into one box: the run of ASCII digits it
// starts with once the blanks around it are gone ("12abc" gives "12", "1.2.3" gives "1"),
// so the box holds nothing its value does not use. Empty when there is no such run, and
// for an IPv6 address, whose first group is no octet.
QString PastedOctetDigits(const QString& text);

// text without its line breaks and tabs: a one-line box never holds them.
QString OneLineText(const QString& text);
