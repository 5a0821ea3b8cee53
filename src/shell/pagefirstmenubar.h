#pragma once

// A menu bar that yields its access keys to the page on show. When a control of the
// visible page and a menu share a letter, Qt finds two shortcuts for Alt+letter and
// takes turns between them, so every second press would open the menu. Here the turn
// that falls to the menu bar goes to the page's control too: the label's buddy takes the
// focus, a button is pressed. Letters the page does not use still open their menus, Alt
// alone still reaches the bar, and F10 opens its first menu, as on the desktops.

#include <QMenuBar>

#include <functional>

class PageFirstMenuBar : public QMenuBar
{
    Q_OBJECT

public:
    // visiblePage gives the page whose access keys win, or nullptr.
    PageFirstMenuBar(std::function<QWidget*()> visiblePage, QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;

private:
    const std::function<QWidget*()> m_visiblePage;
};
