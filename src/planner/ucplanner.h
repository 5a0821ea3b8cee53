#pragma once

// The planner tab: a parent network, a way to divide it and a table of needs go in; the
// allocated networks come out as a picture and a table, with the free space, or the
// reason the plan cannot be met. The state is the PlanDocument's (one net::Plan and the
// parent as typed); the controls are drawn from it and every user action becomes a
// document edit on its undo stack, never the other way round.
//
// Order of events: a control's edit -> a PlanDocument edit -> the document applies it
// and computes the answer -> the needs model and the answer model follow -> syncControls
// writes the document's values back into the controls that differ (after an undo, say)
// and the status lines -> the picture lays itself out anew from the answer model. The
// picture and the answer table share one selection, so each follows the other.

#include "core/tabpanel.h"

class AnswerModel;
class NeedsModel;
class PlanDocument;
class PlanPicture;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableView;

class ucPlanner : public TabPanel
{
    Q_OBJECT

public:
    explicit ucPlanner(QWidget* parent = nullptr, Build when = Build::Now);

    PlanDocument& document() { return *m_document; }

    // A row of commands (the file commands) shown above the plan; the tab takes it over.
    void setCommandRow(QWidget* row);

protected:
    void build() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void connectControls();
    void syncControls();

    void addNeed();
    void removeNeeds();
    void moveNeed(int step);
    void pasteNeeds(const QString& text, int row);
    void pasteNeedsFromClipboard();
    void copyAnswer(bool selectedOnly);
    int needsInsertRow() const;

    PlanDocument* m_document = nullptr;
    NeedsModel* m_needsModel = nullptr;
    AnswerModel* m_answerModel = nullptr;

    QLineEdit* txtParent = nullptr;
    QLabel* lblParentStatus = nullptr;
    QComboBox* cboMode = nullptr;
    QSpinBox* spnSplitLength = nullptr;
    QSpinBox* spnSplitCount = nullptr;
    QCheckBox* chkRfc3021 = nullptr;
    PlanPicture* picPlan = nullptr;
    QLabel* lblPlanStatus = nullptr;
    QTableView* tblNeeds = nullptr;
    QLabel* lblNeedsMessage = nullptr;
    QPushButton* cmdAddNeed = nullptr;
    QPushButton* cmdRemoveNeed = nullptr;
    QPushButton* cmdMoveNeedUp = nullptr;
    QPushButton* cmdMoveNeedDown = nullptr;
    QPushButton* cmdPasteNeeds = nullptr;
    QTableView* tblAnswer = nullptr;
    QPushButton* cmdCopyAnswer = nullptr;
    QWidget* m_commandRow = nullptr;
};
