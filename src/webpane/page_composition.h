#pragma once

// The promotional page: three blocks (network simulator, practice exams, training), each
// an image linking to the maker's page, then its text with "More" links, separated by
// blank lines. Every link opens a new window (target "_blank"), which the pane turns
// into a hand-off to the user's browser.
//
// The images lie beside the program. They go into the page as data: addresses holding
// the files' bytes, because a browser refuses local files from a page it did not load
// from disk; every value pasted into an attribute is HTML-escaped, so a folder or an
// address with a quote or an ampersand cannot break the markup.

#include <QString>

#include <array>

inline constexpr int kPaneBlockCount = 3;

// The images of the three blocks, in block order, as named in the program's folder.
inline constexpr std::array<const char*, kPaneBlockCount> kPaneImageFiles = {
    "lumbra-logo-ip-calc.gif",
    "orvat-logo-ip-calc.gif",
    "training-logo-ip-calc.gif",
};

// The image sources of the three blocks, in block order.
using PaneImageSources = std::array<QString, kPaneBlockCount>;

// The body HTML of the page.
QString ComposePage(const PaneImageSources& images);

// A data: address holding the file's bytes, typed by its extension. A file that cannot
// be read gives its file: address, so the page still shows an image's alt text.
QString FileDataAddress(const QString& filePath);

// The three images as read from the program's folder (ending in a separator).
PaneImageSources PaneImagesFromFolder(const QString& appFolder);
