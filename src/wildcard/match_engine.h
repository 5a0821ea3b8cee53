#pragma once

// The wildcard match engine. In: the eight octet texts of the panel's ipadd1 row
// (0 to 3 the address, 4 to 7 the wildcard mask). Out: the texts those boxes must hold
// and the four match lists, one per octet.
//
// A box whose value is below 1 or above 255 (empty, zeros only, out of range) must hold
// "0"; any other box keeps the user's text ("01" stays "01"), and a fractional value is
// rounded half to even. An octet value k matches when every bit the mask leaves 0 equals
// the address bit; the list names the matching values as maximal runs of consecutive
// values, ascending, one line each: " f- l" for a run, " f" for a single value, every
// line ended by CR LF. The runs are the address core's (net::WildcardOctetRuns); this
// engine reads the boxes and writes the lines.
//
// The engine is a pure function of the texts, so running it on its own corrected texts
// changes nothing: the panel writes the corrections back in kNormalisationOrder, each
// write re-running the panel's change handling nested, and the nesting ends once every
// box holds its corrected text.

#include <QString>

#include <array>

using WildcardOctets = std::array<QString, 8>;
using WildcardLists = std::array<QString, 4>;

struct WildcardMatch
{
    WildcardOctets octets; // the texts the boxes must hold
    WildcardLists lists;   // the match list of octet 1 to 4
};

// The order in which the boxes are corrected: address octet 1, mask octet 1, address
// octet 2, and so on.
inline constexpr std::array<int, 8> kNormalisationOrder = {0, 4, 1, 5, 2, 6, 3, 7};

WildcardMatch MatchWildcard(const WildcardOctets& texts);

// The match list of one octet pair, both 0 to 255.
QString MatchList(int address, int mask);
