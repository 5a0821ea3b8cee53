#pragma once

// The button that opens and closes the list of example addresses. It is drawn as a
// vertical scroll bar whose upper part the panel hides under a frame, so that only the
// lower arrow shows, but it is a button: a scroll bar stops reporting changes once its
// value reaches the end of its range, while every click on this one is one toggle.
//
// A mouse click does not take the focus, so a click while the list is open reaches the
// button with the list still focused: one click, one toggle. Reaching the button by Tab
// is reported apart from reaching it by Shift+Tab, so only moving forwards opens the list.

#include <QAbstractButton>

class HistoryButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit HistoryButton(QWidget* parent = nullptr);

signals:
    // The focus arrived by a forward Tab.
    void tabbedInto();

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
