#pragma once

// The planner tab's own commands, in a row above the plan: New, Open… (with the plans
// opened last on its menu), Save, Save As…, Export CSV…, Copy, Undo and Redo, and the
// plan's file name with a mark while it has unsaved changes. The main window's menus stay
// as the design has them; these live with the tab, and so do their shortcuts (Ctrl+N, O,
// S, Shift+S, Z, Y and Shift+Z), which work only while the tab is shown.
//
// Unsaved means the document's undo stack is away from its clean state, so undoing back
// to the saved plan clears the mark. Before a command would set unsaved work aside (New,
// Open, closing the window) maySetAside() asks Save / Discard / Cancel. Every file the
// bar reads is checked whole before the document changes; every file it writes is
// written whole or not at all; a failure is said in a message and changes nothing.

#include <QStringList>
#include <QWidget>

class AnswerModel;
class PlanDocument;
class QAction;
class QLabel;
class QMenu;
class QToolButton;
class ShellServices;

class PlanCommandBar : public QWidget
{
    Q_OBJECT

public:
    // shortcutScope: the tab, whose visibility bounds the shortcuts.
    PlanCommandBar(PlanDocument& document, ShellServices& services, QWidget* shortcutScope,
                   QWidget* parent = nullptr);

    // The commands, each usable as the user would use it.
    void newPlan();
    // Opens path into the tab, asking first about unsaved work; false when the user
    // cancelled, or (after saying why) when the file held no plan.
    bool open(const QString& path);
    bool save();
    bool saveAs();
    bool exportCsv();
    void copyAnswer();

    // True when there is nothing unsaved, or the user saved it or let it go.
    bool maySetAside();
    bool hasUnsavedChanges() const;

    QString filePath() const { return m_path; }
    QStringList recentPlans() const { return m_recent; }
    void setRecentPlans(const QStringList& paths);

private:
    QAction* addCommand(const QString& text, const char* name, const QList<QKeySequence>& keys);
    bool saveTo(const QString& path);
    void fileChanged(const QString& path);
    void showFileState();
    void fillRecentMenu();
    QString startFolder() const;
    QString plainPlanName() const;

    PlanDocument& m_document;
    ShellServices& m_services;
    QWidget* m_shortcutScope;
    AnswerModel* m_answer = nullptr;
    QString m_path;
    QStringList m_recent;

    QLabel* lblPlanFile = nullptr;
    QMenu* m_recentMenu = nullptr;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
};
