#include "decimal/historybutton.h"

#include "core/focus_frame.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QStyleOptionSlider>
#include <QStylePainter>

HistoryButton::HistoryButton(QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::TabFocus);
}

void HistoryButton::paintEvent(QPaintEvent* /*event*/)
{
    // A whole vertical scroll bar, pressed on its lower arrow while the button is down;
    // the panel covers everything above that arrow.
    QStylePainter painter(this);
    QStyleOptionSlider bar;
    bar.initFrom(this);
    bar.orientation = Qt::Vertical;
    bar.minimum = 0;
    bar.maximum = 1;
    bar.pageStep = 1;
    bar.singleStep = 1;
    bar.subControls = QStyle::SC_All;
    if (isDown()) {
        bar.activeSubControls = QStyle::SC_ScrollBarAddLine;
        bar.state |= QStyle::State_Sunken;
    }
    painter.drawComplexControl(QStyle::CC_ScrollBar, bar);

    if (hasFocus()) {
        const QRect arrow =
            style()->subControlRect(QStyle::CC_ScrollBar, &bar, QStyle::SC_ScrollBarAddLine, this);
        PaintFocusFrame(painter, *this, arrow.adjusted(2, 2, -2, -2));
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
    // Down is the key that moves a scroll bar towards its lower arrow; Enter and Space
    // press it as they press every focused button.
    const int key = event->key();
    const bool press = key == Qt::Key_Down || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (press && event->modifiers() == Qt::NoModifier) {
        event->accept();
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}
