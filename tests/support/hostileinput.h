#pragma once

// A seeded stream of the things a careless or hostile user does to a panel: typed keys
// (digits, letters, non-ASCII digits, editing and shortcut keys), pastes by Shift+Insert
// and by the context menu, input-method commits, huge texts, scroll bar values, focus
// moves and button clicks. The seed is printed; FEROL_HOSTILE_SEED replays a run.

#include <QRandomGenerator>
#include <QString>

class QWidget;

class HostileInput
{
public:
    enum class Target
    {
        Keys,  // keys pressed and released in the focused widget
        Other, // anything else: pastes, commits, scroll values, clicks
    };

    explicit HostileInput(QWidget* panel);

    quint32 seed() const { return m_seed; }

    // Does one random thing; returns a short description of it.
    QString step();
    // Where the last step went and how.
    QWidget* lastWidget() const { return m_lastWidget; }
    Target lastTarget() const { return m_lastTarget; }

private:
    int below(qsizetype n); // 0 .. n - 1
    QString randomText();
    QWidget* randomChild(const char* className);
    QWidget* focused();
    QString typeKey(QWidget* widget);
    QString paste(QWidget* widget, bool byContextMenu);
    QString commit(QWidget* widget);
    QString scroll();
    QString click();

    QWidget* m_panel;
    quint32 m_seed;
    QRandomGenerator m_random;
    QWidget* m_lastWidget = nullptr;
    Target m_lastTarget = Target::Other;
};
