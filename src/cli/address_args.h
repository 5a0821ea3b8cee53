#pragma once

// Strict reading of what the command line is given: dotted addresses (four decimal
// numbers 0 to 255, no blanks, no leading zeros, so "010.0.0.1" never reads as octal
// somewhere else), prefix lengths 0 to 32 and contiguous masks. Where the windows take
// whatever is typed, these refuse anything that is not exactly an address.

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

std::optional<std::uint32_t> ParseAddress(const QString& text);

// A decimal number from 0 to max, digits only, without leading zeros.
std::optional<qint64> ParseWholeNumber(const QString& text, qint64 max);

// "0" to "32".
std::optional<int> ParsePrefixLength(const QString& text);

// The length of a mask of leading one bits; nothing for a mask with a gap.
std::optional<int> ContiguousMaskLength(std::uint32_t mask);

std::uint32_t MaskOfLength(int length);

QString FormatAddress(std::uint32_t address);

// The four octets as the octet boxes would hold them.
std::array<QString, 4> OctetTexts(std::uint32_t address);
