#pragma once

// Addresses of the maker's web pages. Every link the program opens carries the same
// tracking identifier, so the site can tell visits that came from the program.

#include <QString>

// A reserved example domain: nothing real is ever contacted.
inline constexpr char kMakerHost[] = "www.ferol.example";

// Lower-case GUID form, 8-4-4-4-12 hexadecimal digits.
inline constexpr char kTrackingId[] = "5e0a7c3d-91b4-4f26-8d1e-c6a92f47b083";

// "http://" + host + path + "?EID=" + identifier. The home page has an empty path, so
// the query follows the host directly.
QString MakerAddress(const QString& path);
