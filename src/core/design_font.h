#pragma once

// The windows were designed in Tahoma 8.25 pt. Debian has no Tahoma, but fonts-wine
// ships a metric-compatible stand-in outside fontconfig's folders; registering it keeps
// every caption and binary box the width the design expects.

#include <QFont>
#include <QStringList>

// The stand-in Tahoma's files that exist here: the regular one first, then the bold.
QStringList DesignFontFiles();

// Registers the stand-in Tahoma files when they exist. Call once after QApplication.
void RegisterDesignFonts();

// The design font at the given size, with wider fallbacks only when Tahoma is missing.
QFont DesignFont(qreal pointSize = 8.25, bool bold = false);

// How far apart lines of text in font stand, in pixels: its own line spacing, but at
// least 1.2 ems. The Tahoma stand-in sets its lines closer than its own size, which packs
// wrapped lines and list entries into each other.
qreal LineStep(const QFont& font);
