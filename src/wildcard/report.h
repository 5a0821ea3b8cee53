#pragma once

// The text of wildcard.txt: the title, two empty lines, the address and the mask as the
// boxes hold them, then for each octet a " " line, its heading and its match list
// followed by one more line end, and a closing " ". Every line, the last included, ends
// with CR LF; the file is UTF-8 without a byte-order mark, so a pasted character above
// 127 survives and plain ASCII is unchanged.

#include "wildcard/match_engine.h"

#include <QByteArray>

inline constexpr char kWildcardReportFileName[] = "wildcard.txt";

// lists are the result boxes' texts as they stand, with LF or CR LF line ends.
QByteArray WildcardReportBytes(const WildcardOctets& octets, const WildcardLists& lists);
