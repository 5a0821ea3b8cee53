#include "core/keyedscrollbar.h"

#include "core/focus_frame.h"

#include <QKeyEvent>
#include <QPainter>

KeyedScrollBar::KeyedScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent)
{
    // Inverted controls turn the wheel the desktop's way; the keys are mapped below.
    setInvertedControls(true);
}

void KeyedScrollBar::keyPressEvent(QKeyEvent* event)
{
    SliderAction action = SliderNoAction;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        action = SliderSingleStepSub;
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        action = SliderSingleStepAdd;
        break;
    case Qt::Key_PageUp:
        action = SliderPageStepSub;
        break;
    case Qt::Key_PageDown:
        action = SliderPageStepAdd;
        break;
    case Qt::Key_Home:
        action = SliderToMinimum;
        break;
    case Qt::Key_End:
        action = SliderToMaximum;
        break;
    default:
        QScrollBar::keyPressEvent(event);
        return;
    }
    triggerAction(action);
    event->accept();
}

void KeyedScrollBar::paintEvent(QPaintEvent* event)
{
    QScrollBar::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    PaintFocusFrame(painter, *this, rect().adjusted(1, 1, -1, -1));
}
