#include "shell/pagefirstmenubar.h"

#include <QAbstractButton>
#include <QLabel>
#include <QShortcut>
#include <QShortcutEvent>

#include <utility>

namespace {

// Gives key to the control of page that carries it as its access key, as its own
// shortcut would. False when no shown control of page carries it.
bool ActivatePageAccessKey(QWidget& page, const QKeySequence& key)
{
    for (QLabel* label : page.findChildren<QLabel*>()) {
        QWidget* buddy = label->buddy();
        if (buddy && label->isVisible() && buddy->isEnabled() &&
            QKeySequence::mnemonic(label->text()) == key) {
            buddy->setFocus(Qt::ShortcutFocusReason);
            return true;
        }
    }
    for (QAbstractButton* button : page.findChildren<QAbstractButton*>()) {
        if (button->isVisible() && button->isEnabled() && button->shortcut() == key) {
            button->animateClick();
            return true;
        }
    }
    return false;
}

} // namespace

PageFirstMenuBar::PageFirstMenuBar(std::function<QWidget*()> visiblePage, QWidget* parent)
    : QMenuBar(parent), m_visiblePage(std::move(visiblePage))
{
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, this, [this] {
        if (!actions().isEmpty())
            setActiveAction(actions().constFirst());
    });
}

bool PageFirstMenuBar::event(QEvent* event)
{
    if (event->type() == QEvent::Shortcut) {
        QWidget* page = m_visiblePage();
        if (page && ActivatePageAccessKey(*page, static_cast<QShortcutEvent*>(event)->key()))
            return true;
    }
    return QMenuBar::event(event);
}
