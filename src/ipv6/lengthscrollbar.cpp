#include "ipv6/lengthscrollbar.h"

#include <QKeyEvent>

LengthScrollBar::LengthScrollBar(QWidget* parent) : KeyedScrollBar(parent)
{}

void LengthScrollBar::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    const bool digit = text.size() == 1 && text[0].isDigit() &&
                       !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (!digit) {
        m_typed = -1;
        KeyedScrollBar::keyPressEvent(event);
        return;
    }
    const int value = text[0].digitValue();
    const int longer = m_typed < 0 ? value : m_typed * 10 + value;
    m_typed = longer <= maximum() ? longer : value;
    setValue(m_typed);
    event->accept();
}

void LengthScrollBar::focusOutEvent(QFocusEvent* event)
{
    m_typed = -1;
    KeyedScrollBar::focusOutEvent(event);
}
