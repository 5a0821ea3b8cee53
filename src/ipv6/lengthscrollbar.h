#pragma once

// The prefix-length control: a KeyedScrollBar that also takes the length as digits, so
// "4", "8" typed one after the other set /48. A digit that would pass the maximum starts
// a new number; any other key, or leaving the control, ends the number being typed.

#include "core/keyedscrollbar.h"

class LengthScrollBar : public KeyedScrollBar
{
    Q_OBJECT

public:
    explicit LengthScrollBar(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int m_typed = -1; // the number typed so far, -1 when none
};
