#pragma once

// Widgets need the program's 0x00BBGGRR colours as QColor and palette entries.

#include "core/colors.h"

#include <QColor>

class QWidget;

QColor ColorFromBgr(std::uint32_t bgr);

// Gives a widget a solid background of the colour, painted by the widget itself.
void SetBackgroundColor(QWidget& widget, std::uint32_t bgr);

// Colour of the text a widget shows.
void SetTextColor(QWidget& widget, std::uint32_t bgr);
