#pragma once

// Colours travel through the program as 32-bit 0x00BBGGRR values (0 black, 0xFF red,
// 0xFFFFFF white); widgets need them as QColor.

#include <QColor>

#include <cstdint>

class QWidget;

inline constexpr std::uint32_t kWhiteBgr = 0xFFFFFF;

QColor ColorFromBgr(std::uint32_t bgr);

// Gives a widget a solid background of the colour, painted by the widget itself.
void SetBackgroundColor(QWidget& widget, std::uint32_t bgr);

// Colour of the text a widget shows.
void SetTextColor(QWidget& widget, std::uint32_t bgr);
