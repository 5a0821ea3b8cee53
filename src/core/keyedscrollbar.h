#pragma once

// A horizontal scroll bar that answers keys and the wheel the way the desktop the
// design comes from does: Left, Up and PgUp lower the value, Right, Down and PgDn raise
// it, Home and End go to the ends, and the wheel turned towards the user raises it.
// Qt ties Left/Right and Up/Down to one inversion switch, so no setting gives this.
// With the focus it draws a focus frame, which the desktop styles leave out on scroll bars.
//
// Digits typed within a second of each other are read as one number and set the value
// ("2" "4" gives 24); a digit that would take the number outside the range is ignored,
// so "3" "3" on a 1..32 bar stays at 3.

#include <QElapsedTimer>
#include <QScrollBar>

class KeyedScrollBar : public QScrollBar
{
    Q_OBJECT

public:
    explicit KeyedScrollBar(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void typeDigit(int digit);

    int m_typedNumber = 0; // the number the digits typed so far spell, 0 before the first
    QElapsedTimer m_sinceLastDigit;
};
