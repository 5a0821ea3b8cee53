#pragma once

// Text conversions the subnet calculator works with. Addresses and masks are handled
// the way a person does it on paper: an octet is a decimal string, its binary form is
// eight "0"/"1" characters, a 32-bit value is 32 of them, a mask is dotted decimal.
//
// The routines never fail. Odd input gives an empty or partial result instead:
// any character but "1" reads as a zero bit, a mask length outside 0..32 leaves the
// octet it falls into empty, an octet above 255 wraps by 255 (not 256).

#include <QString>

#include <cstdint>

// The first (at most eight) characters of s as a binary number; only "1" counts as a one.
int BinToOctet(const QString& s);

// Eight binary digits of v, made from the first and the last digit of v written in
// hexadecimal. Above 255 v becomes v mod 255. A negative v is written as the four digits
// of its 16-bit two's complement, so its middle digits are skipped: -5 (FFFB) gives
// 11111011, but -17 (FFEF) gives 11111111, not the low byte 11101111.
QString OctetToBin(std::int16_t v);

// Four binary digits of the last non-blank character of s when that is an upper-case
// hexadecimal digit, otherwise the empty string.
QString HexDigitToBin(const QString& s);

// Dotted mask with n leading one bits (20 gives 255.255.240.0).
QString BitsToMask(int n);

// Dotted address of a 32-character binary string, octet by octet through BinToOctet.
QString BinToDotted(const QString& s);
