#pragma once

// The planner's tables. Until a cell is current (an empty plan, say) a table view shows
// nothing of its focus; this one then draws the style's focus frame itself.

#include <QTableView>

class PlanTableView : public QTableView
{
    Q_OBJECT

public:
    using QTableView::QTableView;

protected:
    void paintEvent(QPaintEvent* event) override;
};
