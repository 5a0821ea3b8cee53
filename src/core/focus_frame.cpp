#include "core/focus_frame.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QWidget>

void PaintFocusFrame(QPainter& painter, const QWidget& widget, const QRect& rect)
{
    QStyleOptionFocusRect focus;
    focus.initFrom(&widget);
    focus.rect = rect;
    widget.style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, &widget);
}
