#pragma once

// The style's focus frame, for the widgets that draw it themselves because their style
// leaves it out (a label, a scroll bar, a list before an entry is current).

class QPainter;
class QRect;
class QWidget;

// Draws the frame around rect, in the coordinates painter paints in, styled for widget.
void PaintFocusFrame(QPainter& painter, const QWidget& widget, const QRect& rect);
