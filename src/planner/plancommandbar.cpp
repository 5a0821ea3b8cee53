#include "planner/plancommandbar.h"

#include "core/shellservices.h"
#include "planner/answermodel.h"
#include "planner/plan_document.h"
#include "planner/plan_files.h"
#include "planner/plan_texts.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <QUndoStack>

namespace {

QToolButton* MakeButton(QAction* action, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setDefaultAction(action);
    button->setObjectName(action->objectName() + QStringLiteral("Button"));
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setAutoRaise(false);
    return button;
}

} // namespace

PlanCommandBar::PlanCommandBar(PlanDocument& document, ShellServices& services,
                               QWidget* shortcutScope, QWidget* parent)
    : QWidget(parent), m_document(document), m_services(services), m_shortcutScope(shortcutScope)
{
    setObjectName(QStringLiteral("planCommands"));
    m_answer = new AnswerModel(m_document, this);

    QAction* newAction = addCommand(tr("New"), "actNewPlan", {QKeySequence::New});
    QAction* openAction = addCommand(tr("Open\u2026"), "actOpenPlan", {QKeySequence::Open});
    QAction* saveAction = addCommand(tr("Save"), "actSavePlan", {QKeySequence::Save});
    QAction* saveAsAction = addCommand(tr("Save As\u2026"), "actSavePlanAs",
                                       {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)});
    QAction* exportAction = addCommand(tr("Export CSV\u2026"), "actExportCsv", {});
    QAction* copyAction = addCommand(tr("Copy"), "actCopyAnswer", {});
    m_undo = addCommand(tr("Undo"), "actUndo", {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    m_redo = addCommand(
        tr("Redo"), "actRedo",
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});

    connect(newAction, &QAction::triggered, this, &PlanCommandBar::newPlan);
    connect(openAction, &QAction::triggered, this, [this] {
        const QString path =
            m_services.chooseFileToOpen(window(), tr("Open Plan"), startFolder(), PlanFileFilter());
        if (!path.isEmpty())
            open(path);
    });
    connect(saveAction, &QAction::triggered, this, &PlanCommandBar::save);
    connect(saveAsAction, &QAction::triggered, this, &PlanCommandBar::saveAs);
    connect(exportAction, &QAction::triggered, this, &PlanCommandBar::exportCsv);
    connect(copyAction, &QAction::triggered, this, &PlanCommandBar::copyAnswer);

    QUndoStack* stack = m_document.undoStack();
    connect(m_undo, &QAction::triggered, stack, &QUndoStack::undo);
    connect(m_redo, &QAction::triggered, stack, &QUndoStack::redo);
    connect(stack, &QUndoStack::canUndoChanged, m_undo, &QAction::setEnabled);
    connect(stack, &QUndoStack::canRedoChanged, m_redo, &QAction::setEnabled);
    connect(stack, &QUndoStack::undoTextChanged, m_undo, [this](const QString& text) {
        m_undo->setToolTip(text.isEmpty() ? tr("Undo") : tr("Undo %1").arg(text));
    });
    connect(stack, &QUndoStack::redoTextChanged, m_redo, [this](const QString& text) {
        m_redo->setToolTip(text.isEmpty() ? tr("Redo") : tr("Redo %1").arg(text));
    });
    connect(stack, &QUndoStack::cleanChanged, this, &PlanCommandBar::showFileState);
    m_undo->setEnabled(stack->canUndo());
    m_redo->setEnabled(stack->canRedo());

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QAction* action : {newAction, openAction, saveAction, saveAsAction, exportAction,
                            copyAction, m_undo, m_redo})
        layout->addWidget(MakeButton(action, this));
    auto* openButton = findChild<QToolButton*>(QStringLiteral("actOpenPlanButton"));
    m_recentMenu = new QMenu(tr("Recent plans"), openButton);
    m_recentMenu->setObjectName(QStringLiteral("mnuRecentPlans"));
    openButton->setMenu(m_recentMenu);
    openButton->setPopupMode(QToolButton::MenuButtonPopup);
    connect(m_recentMenu, &QMenu::aboutToShow, this, &PlanCommandBar::fillRecentMenu);

    lblPlanFile = new QLabel(this);
    lblPlanFile->setObjectName(QStringLiteral("lblPlanFile"));
    lblPlanFile->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The row asks for room for the buttons and a new plan's name, in any language; a
    // longer file name takes what is left and is cut at the right (its tooltip holds the
    // whole path) rather than squeezing the buttons' captions.
    // The label's own measure of that name, not the font's advance, which in some languages
    // falls a pixel short of what the label draws.
    lblPlanFile->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    lblPlanFile->setText(tr("%1 (unsaved)").arg(tr("Untitled plan")));
    lblPlanFile->setMinimumWidth(lblPlanFile->sizeHint().width());
    layout->addSpacing(fontMetrics().averageCharWidth() * 2);
    layout->addWidget(lblPlanFile, 1);
    showFileState();
}

QAction* PlanCommandBar::addCommand(const QString& text, const char* name,
                                    const QList<QKeySequence>& keys)
{
    auto* action = new QAction(text, this);
    action->setObjectName(QLatin1String(name));
    action->setShortcuts(keys);
    // Bound to the tab: Qt lets a window shortcut act only while a widget holding it is
    // visible, so another tab's keys stay their own.
    action->setShortcutContext(Qt::WindowShortcut);
    m_shortcutScope->addAction(action);
    return action;
}

void PlanCommandBar::newPlan()
{
    if (!maySetAside())
        return;
    m_document.newPlan();
    m_path.clear();
    showFileState();
}

bool PlanCommandBar::open(const QString& path)
{
    if (!maySetAside())
        return false;
    const PlanRead read = ReadPlanAt(path);
    if (!read.plan) {
        if (!QFileInfo::exists(path))
            m_recent.removeAll(QFileInfo(path).absoluteFilePath());
        m_services.showMessage(window(), tr("Open Plan"), read.message);
        return false;
    }
    m_document.resetPlan(*read.plan);
    fileChanged(path);
    if (!read.message.isEmpty())
        m_services.showMessage(window(), tr("Open Plan"), read.message);
    return true;
}

bool PlanCommandBar::save()
{
    return m_path.isEmpty() ? saveAs() : saveTo(m_path);
}

bool PlanCommandBar::saveAs()
{
    const QString start =
        m_path.isEmpty() ? QDir(startFolder()).filePath(tr("plan") + QLatin1Char('.') + kPlanSuffix)
                         : m_path;
    const QString path =
        m_services.chooseFileToSave(window(), tr("Save Plan As"), start, PlanFileFilter());
    return !path.isEmpty() && saveTo(WithSuffix(path, QLatin1String(kPlanSuffix)));
}

bool PlanCommandBar::saveTo(const QString& path)
{
    const Outcome saved = SavePlanAt(m_document, path);
    if (!saved.ok()) {
        m_services.showMessage(window(), tr("Save Plan"), saved.error);
        return false;
    }
    m_document.undoStack()->setClean();
    fileChanged(path);
    return true;
}

bool PlanCommandBar::exportCsv()
{
    const QString name = plainPlanName() + QStringLiteral(".csv");
    const QString path = m_services.chooseFileToSave(
        window(), tr("Export Answer as CSV"), QDir(startFolder()).filePath(name), CsvFileFilter());
    if (path.isEmpty())
        return false;
    const Outcome exported = ExportAnswerCsv(*m_answer, WithSuffix(path, QStringLiteral("csv")));
    if (!exported.ok())
        m_services.showMessage(window(), tr("Export CSV"), exported.error);
    return exported.ok();
}

void PlanCommandBar::copyAnswer()
{
    QApplication::clipboard()->setText(TabSeparated(*m_answer));
}

bool PlanCommandBar::maySetAside()
{
    if (!hasUnsavedChanges())
        return true;
    const QString question =
        m_path.isEmpty()
            ? tr("The plan has unsaved changes. Save them?")
            : tr("The plan %1 has unsaved changes. Save them?").arg(QFileInfo(m_path).fileName());
    switch (m_services.askSaveChanges(window(), tr("Planner"), question)) {
    case ShellServices::SaveChoice::Save:
        return save();
    case ShellServices::SaveChoice::Discard:
        return true;
    case ShellServices::SaveChoice::Cancel:
        break;
    }
    return false;
}

bool PlanCommandBar::hasUnsavedChanges() const
{
    return !m_document.undoStack()->isClean();
}

void PlanCommandBar::setRecentPlans(const QStringList& paths)
{
    m_recent = paths;
}

void PlanCommandBar::fileChanged(const QString& path)
{
    m_path = path;
    m_recent = WithRecentPlan(m_recent, QFileInfo(path).absoluteFilePath());
    showFileState();
}

void PlanCommandBar::showFileState()
{
    const QString name = m_path.isEmpty() ? tr("Untitled plan") : QFileInfo(m_path).fileName();
    const bool unsaved = hasUnsavedChanges();
    lblPlanFile->setText(unsaved ? tr("%1 (unsaved)").arg(name) : name);
    lblPlanFile->setToolTip(QDir::toNativeSeparators(m_path));
}

void PlanCommandBar::fillRecentMenu()
{
    m_recentMenu->clear();
    for (int k = 0; k < m_recent.size(); ++k) {
        const QString path = m_recent.at(k);
        QAction* item = m_recentMenu->addAction(
            QStringLiteral("&%1 %2").arg(k + 1).arg(QFileInfo(path).fileName()));
        item->setToolTip(QDir::toNativeSeparators(path));
        connect(item, &QAction::triggered, this, [this, path] { open(path); });
    }
    if (m_recent.isEmpty())
        m_recentMenu->addAction(tr("No recent plans"))->setEnabled(false);
}

QString PlanCommandBar::startFolder() const
{
    return m_path.isEmpty() ? m_services.documentsFolder() : QFileInfo(m_path).absolutePath();
}

QString PlanCommandBar::plainPlanName() const
{
    return m_path.isEmpty() ? tr("plan") : QFileInfo(m_path).completeBaseName();
}
