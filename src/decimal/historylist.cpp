#include "decimal/historylist.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

HistoryList::HistoryList(QWidget* parent) : QListWidget(parent)
{}

void HistoryList::paintEvent(QPaintEvent* event)
{
    QListWidget::paintEvent(event);
    if (!hasFocus() || currentItem())
        return;
    QPainter painter(viewport());
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = viewport()->rect();
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
}
