#include "core/keyedscrollbar.h"

#include "core/focus_frame.h"

#include <QFocusEvent>
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
        if (event->key() >= Qt::Key_0 && event->key() <= Qt::Key_9 &&
            !(event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier))) {
            typeDigit(event->key() - Qt::Key_0);
            event->accept();
            return;
        }
        QScrollBar::keyPressEvent(event);
        return;
    }
    triggerAction(action);
    event->accept();
}

void KeyedScrollBar::typeDigit(int digit)
{
    // A pause ends the number: the next digit starts a new one.
    constexpr qint64 kDigitPauseMs = 1000;
    if (!m_sinceLastDigit.isValid() || m_sinceLastDigit.elapsed() > kDigitPauseMs)
        m_typedNumber = 0;
    m_sinceLastDigit.start();
    const int number = m_typedNumber * 10 + digit;
    if (number < minimum() || number > maximum())
        return;
    m_typedNumber = number;
    setValue(number);
}

void KeyedScrollBar::focusOutEvent(QFocusEvent* event)
{
    // Digits typed after coming back start afresh, however soon that is.
    m_sinceLastDigit.invalidate();
    QScrollBar::focusOutEvent(event);
}

void KeyedScrollBar::paintEvent(QPaintEvent* event)
{
    QScrollBar::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    PaintFocusFrame(painter, *this, rect().adjusted(1, 1, -1, -1));
}
