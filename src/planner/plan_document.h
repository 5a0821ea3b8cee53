#pragma once

// The planner tab's plan: one net::Plan as the user is building it, the text of its parent
// as typed (which may not be a network yet), and the answer computed from both. Every
// edit is a command on the document's one QUndoStack, so undo and redo reach everything
// the user changed, and the answer follows each edit, undone or not.
//
// Order of events for an edit: the command is pushed and applied at once; the document
// emits needsAboutToChange with the rows the edit touches, takes the new state, computes
// the answer, emits needsChanged with the same rows and last changed(). Models map the
// row signals onto their own insert/remove/change notifications.

#include "net/address_plan.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <optional>
#include <vector>

class PlanDocument : public QObject
{
    Q_OBJECT

public:
    // Everything an edit can change, and nothing else: what undo puts back.
    struct State
    {
        net::Plan plan;
        QString parentText; // as typed; plan.parent keeps the last network it read as

        friend bool operator==(const State&, const State&) = default;
    };

    explicit PlanDocument(QObject* parent = nullptr);

    const net::Plan& plan() const { return m_state.plan; }
    const QString& parentText() const { return m_state.parentText; }
    // Why the parent text is not a network; nothing when it is one.
    std::optional<net::ParseError> parentError() const { return m_parentError; }
    // The answer to the plan; a refusal while the parent text is not a network.
    const net::PlanAnswer& answer() const { return m_answer; }
    QUndoStack* undoStack() { return &m_undoStack; }

    // The edits, each one undoable step. Typing in the parent box merges into one step.
    void setParentText(const QString& text);
    void setMode(net::PlanMode mode);
    void setSplitLength(int length);
    void setSplitCount(std::uint64_t count);
    void setRfc3021(bool on);
    void setNeed(int row, const net::PlanNeed& need);
    void insertNeeds(int row, const std::vector<net::PlanNeed>& needs);
    void removeNeeds(int row, int count);
    // Moves one row to just before the row now at `to` (to == needs count: to the end).
    void moveNeed(int from, int to);

    // A whole new plan (an opened file, say): the undo history starts afresh.
    void resetPlan(const net::Plan& plan);
    // An empty plan, as the tab first shows: no parent yet, no needs, no history.
    void newPlan();

signals:
    // Rows first..first+removed-1 are about to give way to `inserted` new rows; when both
    // counts are equal the rows only change.
    void needsAboutToChange(int first, int removed, int inserted);
    void needsChanged(int first, int removed, int inserted);
    void changed();

private:
    friend class PlanEdit;

    void push(const State& after, const QString& text, int mergeId = -1);
    void apply(const State& state);

    State m_state;
    std::optional<net::ParseError> m_parentError = net::ParseError::Empty;
    net::PlanAnswer m_answer;
    QUndoStack m_undoStack;
};
