#pragma once

// The colour rule. Where the design fixes a background (the white panels and frames, the
// grey explanation box, the About dialog), everything drawn on it takes the design's
// colours too: dark text, white boxes, grey button faces, a selection that reads. So the
// design looks the same under a light or a dark desktop theme. Where the design fixes
// nothing, a widget keeps the desktop's palette, text and background alike.

#include "core/colors.h"

#include <QColor>
#include <QPalette>

class QWidget;

QColor ColorFromBgr(std::uint32_t bgr);

// The palette of a surface whose background the design fixes: that background, black
// text on it (white on a dark one), white boxes with black text, button-face buttons.
QPalette DesignPalette(std::uint32_t backBgr);

// Gives a widget a solid background of the colour, painted by the widget itself, and the
// design's colours to everything on it.
void SetBackgroundColor(QWidget& widget, std::uint32_t bgr);

// A text box whose own background the design fixes takes the design's colours with it.
void SetBoxColor(QWidget& box, std::uint32_t bgr);

// A text box whose text colour the design fixes (an octet box's black or red) takes the
// design's white box under it, whatever the desktop's boxes look like.
void SetTextColor(QWidget& box, std::uint32_t bgr);
