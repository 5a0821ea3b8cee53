#pragma once

// An IPv4 address as four octet texts and as one decimal number, each computed from the
// other. In: the texts of the four boxes, or the text of the decimal box, read with
// NumericValue (blanks ignored, the leading number counts, anything else is 0). Out:
// the number, or a dotted text of four whole parts. Where the input is an address (four
// whole octets 0 to 255, or a number 0 to 2^32 - 1 once rounded), the address core does the
// arithmetic, exactly. Beyond that neither direction checks the range: octets above 255
// simply weigh into the sum, and a number of 2^32 or more gives a first part of 256 or
// more, a negative one a negative first part.

#include <QString>
#include <QStringList>

#include <array>

// 16777216 a + 65536 b + 256 c + d of the octets' values; empty boxes count as 0.
double DottedToDecimal(const std::array<QString, 4>& octets);

// The number's dotted text. The number is rounded to a whole one (halves to even) before
// it is split, so every part is whole and the last never reaches 256. Empty when the
// number is not finite: there is no address to show.
QString DecimalToDotted(const QString& decimalText);

// The number as the decimal box shows it: plain digits for whole numbers below 10^15 in
// magnitude, at most 15 significant digits otherwise ("1.5", "1E+15"). Never "-0";
// empty when the value is not finite.
QString GeneralNumberText(double value);

// Splits a dotted text at "." into at most four parts, the fourth keeping any further
// dots. An empty text has no parts.
QStringList SplitIntoOctets(const QString& dotted);
