#include "webpane/panetextbrowser.h"

PaneTextBrowser::PaneTextBrowser(QWidget* parent) : QTextBrowser(parent)
{}

bool PaneTextBrowser::focusNextPrevChild(bool next)
{
    const QTextCursor before = textCursor();
    const bool handled = QTextBrowser::focusNextPrevChild(next);
    if (!handled || !hasFocus() || textCursor() != before)
        return handled;
    // Stuck on the same link: leave the page, which starts afresh next time. Past
    // QTextBrowser, whose own stepping is what got stuck.
    setTextCursor(QTextCursor(document()));
    return QWidget::focusNextPrevChild(next); // NOLINT(bugprone-parent-virtual-call)
}
