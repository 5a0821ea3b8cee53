#include "decimal/historybutton.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

HistoryButton::HistoryButton(QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::TabFocus);
}

void HistoryButton::paintEvent(QPaintEvent* /*event*/)
{
    // Only the lowest square of the button shows below the frame that covers it.
    const int side = width();
    const QRect arrowSquare(0, height() - side, side, side);

    QStylePainter painter(this);
    QStyleOptionButton panel;
    panel.initFrom(this);
    panel.rect = arrowSquare;
    if (isDown())
        panel.state |= QStyle::State_Sunken;
    else
        panel.state |= QStyle::State_Raised;
    painter.drawPrimitive(QStyle::PE_PanelButtonBevel, panel);

    QStyleOption arrow;
    arrow.initFrom(this);
    arrow.rect = arrowSquare.adjusted(3, 3, -3, -3);
    painter.drawPrimitive(QStyle::PE_IndicatorArrowDown, arrow);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = arrowSquare.adjusted(2, 2, -2, -2);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

void HistoryButton::focusInEvent(QFocusEvent* event)
{
    QAbstractButton::focusInEvent(event);
    if (event->reason() == Qt::TabFocusReason)
        emit tabbedInto();
}

void HistoryButton::keyPressEvent(QKeyEvent* event)
{
    // Down is the key that moves a scroll bar towards its lower arrow; Space works as on
    // every button.
    if (event->key() == Qt::Key_Down && event->modifiers() == Qt::NoModifier) {
        event->accept();
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}
