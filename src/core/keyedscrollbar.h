#pragma once

// A horizontal scroll bar that answers keys and the wheel the way the desktop the
// design comes from does: Left, Up and PgUp lower the value, Right, Down and PgDn raise
// it, Home and End go to the ends, and the wheel turned towards the user raises it.
// Qt ties Left/Right and Up/Down to one inversion switch, so no setting gives this.
// With the focus it draws a focus frame, which the desktop styles leave out on scroll bars.

#include <QScrollBar>

class KeyedScrollBar : public QScrollBar
{
    Q_OBJECT

public:
    explicit KeyedScrollBar(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
