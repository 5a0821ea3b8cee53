#include "planner/plantableview.h"

#include "core/focus_frame.h"

#include <QPainter>

void PlanTableView::paintEvent(QPaintEvent* event)
{
    QTableView::paintEvent(event);
    if (!hasFocus() || currentIndex().isValid())
        return;
    QPainter painter(viewport());
    PaintFocusFrame(painter, *this, viewport()->rect());
}
