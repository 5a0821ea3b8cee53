#pragma once

// The small rules shared by every row of octet boxes: what a text is worth, which typed
// characters may reach a box, and when a box shows its text in red.

#include <QString>

#include <cstdint>

// The value of the longest leading decimal number in text (sign, digits, one point,
// exponent), ignoring blanks, tabs and line feeds anywhere; 0 when there is none.
double NumericValue(const QString& text);

// The typed "." that moves on to the next box instead of being inserted.
inline constexpr std::int16_t kDotCode = 46;

// Character codes as a text box's key handler sees them; 0 means "discard the key".
// Control codes 0..13, ".", "/", digits and codes from 128 on pass; the rest becomes 0.
void FilterOctetKey(std::int16_t& keyCode);

// 0x00BBGGRR colour of an octet text: red above 255, black otherwise.
std::uint32_t OctetTextColor(const QString& text);

// 16-bit integer of a value, rounded half to even and held at the 16-bit bounds, so
// that pasted extremes convert without failing.
std::int16_t RoundToInt16(double value);
