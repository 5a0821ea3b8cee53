#include "planner/plan_document.h"

#include <QUndoCommand>

#include <algorithm>

namespace {

constexpr int kParentTextMergeId = 1;

} // namespace

// One step of the history: the state before and after it.
class PlanEdit : public QUndoCommand
{
public:
    PlanEdit(PlanDocument& document, PlanDocument::State before, PlanDocument::State after,
             const QString& text, int mergeId)
        : QUndoCommand(text), m_document(document), m_before(std::move(before)),
          m_after(std::move(after)), m_mergeId(mergeId)
    {}

    void redo() override { m_document.apply(m_after); }
    void undo() override { m_document.apply(m_before); }
    int id() const override { return m_mergeId; }
    bool mergeWith(const QUndoCommand* other) override
    {
        // Only commands of this class carry this class's ids.
        m_after = static_cast<const PlanEdit*>(other)->m_after;
        return true;
    }

private:
    PlanDocument& m_document;
    PlanDocument::State m_before;
    PlanDocument::State m_after;
    int m_mergeId;
};

PlanDocument::PlanDocument(QObject* parent) : QObject(parent)
{
    apply(m_state);
}

void PlanDocument::push(const State& after, const QString& text, int mergeId)
{
    if (after == m_state)
        return;
    m_undoStack.push(new PlanEdit(*this, m_state, after, text, mergeId));
}

void PlanDocument::apply(const State& state)
{
    // The rows that differ: what lies between the longest common start and end.
    const auto& before = m_state.plan.needs;
    const auto& after = state.plan.needs;
    const std::size_t shorter = std::min(before.size(), after.size());
    std::size_t head = 0;
    while (head < shorter && before[head] == after[head])
        ++head;
    std::size_t tail = 0;
    while (tail < shorter - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    const int first = int(head);
    const int removed = int(before.size() - head - tail);
    const int inserted = int(after.size() - head - tail);

    emit needsAboutToChange(first, removed, inserted);
    m_state = state;
    const auto parent = net::IpNetwork::parse(m_state.parentText.toStdString());
    m_parentError = parent ? std::nullopt : std::optional(parent.error());
    if (parent) {
        m_state.plan.parent = *parent;
        m_answer = net::PlanAddresses(m_state.plan);
    } else {
        m_answer = {};
    }
    emit needsChanged(first, removed, inserted);
    emit changed();
}

void PlanDocument::setParentText(const QString& text)
{
    State after = m_state;
    after.parentText = text;
    push(after, tr("Parent network"), kParentTextMergeId);
}

void PlanDocument::setMode(net::PlanMode mode)
{
    State after = m_state;
    after.plan.mode = mode;
    push(after, tr("Way to divide"));
}

void PlanDocument::setSplitLength(int length)
{
    State after = m_state;
    after.plan.splitLength = length;
    push(after, tr("Split length"));
}

void PlanDocument::setSplitCount(std::uint64_t count)
{
    State after = m_state;
    after.plan.splitCount = count;
    push(after, tr("Number of networks"));
}

void PlanDocument::setRfc3021(bool on)
{
    State after = m_state;
    after.plan.rfc3021 = on;
    push(after, tr("Two-host links"));
}

void PlanDocument::setNeed(int row, const net::PlanNeed& need)
{
    State after = m_state;
    after.plan.needs.at(std::size_t(row)) = need;
    push(after, tr("Edit need"));
}

void PlanDocument::insertNeeds(int row, const std::vector<net::PlanNeed>& needs)
{
    State after = m_state;
    auto& rows = after.plan.needs;
    rows.insert(rows.begin() + std::clamp<std::ptrdiff_t>(row, 0, std::ptrdiff_t(rows.size())),
                needs.begin(), needs.end());
    push(after, tr("Add %n need(s)", "", int(needs.size())));
}

void PlanDocument::removeNeeds(int row, int count)
{
    State after = m_state;
    auto& rows = after.plan.needs;
    const std::ptrdiff_t first = std::clamp<std::ptrdiff_t>(row, 0, std::ptrdiff_t(rows.size()));
    const std::ptrdiff_t last =
        std::clamp<std::ptrdiff_t>(first + count, first, std::ptrdiff_t(rows.size()));
    rows.erase(rows.begin() + first, rows.begin() + last);
    push(after, tr("Remove %n need(s)", "", int(last - first)));
}

void PlanDocument::moveNeed(int from, int to)
{
    State after = m_state;
    auto& rows = after.plan.needs;
    const int count = int(rows.size());
    if (from < 0 || from >= count || to < 0 || to > count || to == from || to == from + 1)
        return;
    const net::PlanNeed moved = rows[std::size_t(from)];
    rows.erase(rows.begin() + from);
    rows.insert(rows.begin() + (to > from ? to - 1 : to), moved);
    push(after, tr("Move need"));
}

void PlanDocument::resetPlan(const net::Plan& plan)
{
    State state;
    state.plan = plan;
    state.parentText = QString::fromStdString(plan.parent.toString());
    m_undoStack.clear();
    apply(state);
}

void PlanDocument::newPlan()
{
    m_undoStack.clear();
    apply(State{});
}
