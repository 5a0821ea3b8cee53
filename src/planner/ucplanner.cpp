#include "planner/ucplanner.h"

#include "planner/answermodel.h"
#include "planner/needsizedelegate.h"
#include "planner/needsmodel.h"
#include "planner/plan_document.h"
#include "planner/plan_texts.h"
#include "planner/planner_accessible_names.h"
#include "planner/planpicture.h"
#include "planner/plantableview.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDropEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QSplitter>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

namespace {

QAction* AddTableAction(QTableView* table, const QString& text, const QList<QKeySequence>& keys)
{
    auto* action = new QAction(text, table);
    action->setShortcuts(keys);
    // Only while the table itself has the focus: an open cell editor keeps its own keys.
    action->setShortcutContext(Qt::WidgetShortcut);
    table->addAction(action);
    return action;
}

QLabel* MakeLabel(const QString& text, const char* name, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QLabel* MakeMessage(const char* name, QWidget* parent)
{
    auto* label = MakeLabel({}, name, parent);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return label;
}

QPushButton* MakeButton(const QString& text, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

} // namespace

ucPlanner::ucPlanner(QWidget* parent, Build when) : TabPanel(parent)
{
    m_document = new PlanDocument(this);
    if (when == Build::Now)
        ensureBuilt();
}

void ucPlanner::build()
{
    buildControls();
    connectControls();
    ApplyAccessibleTexts(*this, kPlannerAccessibleNames);
    syncControls();
}

void ucPlanner::buildControls()
{
    m_needsModel = new NeedsModel(*m_document, this);
    m_answerModel = new AnswerModel(*m_document, this);

    auto* top = new QGridLayout;
    auto* lblParent = MakeLabel(tr("&Network to divide:"), "lblParent", this);
    txtParent = new QLineEdit(this);
    txtParent->setObjectName(QStringLiteral("txtParent"));
    txtParent->setPlaceholderText(tr("10.0.0.0/24, 10.0.0.0 255.255.255.0 or 2001:db8::/48"));
    lblParent->setBuddy(txtParent);
    lblParentStatus = MakeMessage("lblParentStatus", this);
    top->addWidget(lblParent, 0, 0);
    top->addWidget(txtParent, 0, 1, 1, 4);
    top->addWidget(lblParentStatus, 1, 1, 1, 4);

    auto* lblMode = MakeLabel(tr("&Divide by:"), "lblMode", this);
    cboMode = new QComboBox(this);
    cboMode->setObjectName(QStringLiteral("cboMode"));
    cboMode->addItem(tr("VLSM: each need its smallest network"), int(net::PlanMode::Vlsm));
    cboMode->addItem(tr("Equal split into networks of /n"), int(net::PlanMode::SplitByLength));
    cboMode->addItem(tr("Equal split into N networks"), int(net::PlanMode::SplitByCount));
    lblMode->setBuddy(cboMode);
    spnSplitLength = new QSpinBox(this);
    spnSplitLength->setObjectName(QStringLiteral("spnSplitLength"));
    spnSplitLength->setRange(0, 128);
    spnSplitLength->setPrefix(QStringLiteral("/"));
    spnSplitLength->setKeyboardTracking(false);
    spnSplitCount = new QSpinBox(this);
    spnSplitCount->setObjectName(QStringLiteral("spnSplitCount"));
    spnSplitCount->setRange(1, int(net::kPlanNetworkLimit));
    spnSplitCount->setSuffix(tr(" networks"));
    spnSplitCount->setKeyboardTracking(false);
    chkRfc3021 = new QCheckBox(tr("Needs of &2 hosts take a /31 (RFC 3021)"), this);
    chkRfc3021->setObjectName(QStringLiteral("chkRfc3021"));
    top->addWidget(lblMode, 2, 0);
    top->addWidget(cboMode, 2, 1);
    top->addWidget(spnSplitLength, 2, 2);
    top->addWidget(spnSplitCount, 2, 3);
    top->addWidget(chkRfc3021, 2, 4);
    top->setColumnStretch(4, 1);

    picPlan = new PlanPicture(this);
    picPlan->setObjectName(QStringLiteral("picPlan"));
    lblPlanStatus = MakeMessage("lblPlanStatus", this);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName(QStringLiteral("splPlan"));
    splitter->setChildrenCollapsible(false);

    auto* needsSide = new QWidget(splitter);
    auto* needsLayout = new QVBoxLayout(needsSide);
    needsLayout->setContentsMargins(0, 0, 0, 0);
    auto* lblNeeds = MakeLabel(tr("N&eeds:"), "lblNeeds", needsSide);
    tblNeeds = new PlanTableView(needsSide);
    tblNeeds->setObjectName(QStringLiteral("tblNeeds"));
    tblNeeds->setModel(m_needsModel);
    tblNeeds->setItemDelegateForColumn(NeedsModel::SizeColumn, new NeedSizeDelegate(tblNeeds));
    tblNeeds->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblNeeds->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::AnyKeyPressed);
    tblNeeds->horizontalHeader()->setSectionResizeMode(NeedsModel::NameColumn,
                                                       QHeaderView::Stretch);
    tblNeeds->horizontalHeader()->setSectionResizeMode(NeedsModel::SizeColumn,
                                                       QHeaderView::ResizeToContents);
    tblNeeds->setContextMenuPolicy(Qt::ActionsContextMenu);
    tblNeeds->viewport()->setAcceptDrops(true);
    tblNeeds->viewport()->installEventFilter(this);
    lblNeeds->setBuddy(tblNeeds);
    lblNeedsMessage = MakeMessage("lblNeedsMessage", needsSide);
    auto* needButtons = new QGridLayout;
    // Made in the order they are laid out, which is the order Tab takes.
    cmdAddNeed = MakeButton(tr("&Add"), "cmdAddNeed", needsSide);
    cmdRemoveNeed = MakeButton(tr("&Remove"), "cmdRemoveNeed", needsSide);
    cmdPasteNeeds = MakeButton(tr("&Paste"), "cmdPasteNeeds", needsSide);
    cmdMoveNeedUp = MakeButton(tr("&Up"), "cmdMoveNeedUp", needsSide);
    cmdMoveNeedDown = MakeButton(tr("Do&wn"), "cmdMoveNeedDown", needsSide);
    needButtons->addWidget(cmdAddNeed, 0, 0);
    needButtons->addWidget(cmdRemoveNeed, 0, 1);
    needButtons->addWidget(cmdPasteNeeds, 0, 2);
    needButtons->addWidget(cmdMoveNeedUp, 1, 0);
    needButtons->addWidget(cmdMoveNeedDown, 1, 1);
    needsLayout->addWidget(lblNeeds);
    needsLayout->addWidget(tblNeeds, 1);
    needsLayout->addWidget(lblNeedsMessage);
    needsLayout->addLayout(needButtons);

    auto* answerSide = new QWidget(splitter);
    auto* answerLayout = new QVBoxLayout(answerSide);
    answerLayout->setContentsMargins(0, 0, 0, 0);
    auto* lblAnswer = MakeLabel(tr("Allocated net&works:"), "lblAnswer", answerSide);
    tblAnswer = new PlanTableView(answerSide);
    tblAnswer->setObjectName(QStringLiteral("tblAnswer"));
    tblAnswer->setModel(m_answerModel);
    tblAnswer->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblAnswer->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblAnswer->setContextMenuPolicy(Qt::ActionsContextMenu);
    tblAnswer->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    lblAnswer->setBuddy(tblAnswer);
    cmdCopyAnswer = MakeButton(tr("&Copy all"), "cmdCopyAnswer", answerSide);
    answerLayout->addWidget(lblAnswer);
    answerLayout->addWidget(tblAnswer, 1);
    answerLayout->addWidget(cmdCopyAnswer, 0, Qt::AlignRight);
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 5);

    // Rows as tall as a line of text needs, not the style's roomy default.
    for (QTableView* table : {tblNeeds, tblAnswer})
        table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    picPlan->setSelectionModel(tblAnswer->selectionModel());

    auto* layout = new QVBoxLayout(this);
    if (m_commandRow)
        layout->addWidget(m_commandRow);
    layout->addLayout(top);
    layout->addWidget(picPlan);
    layout->addWidget(lblPlanStatus);
    layout->addWidget(splitter, 1);
}

void ucPlanner::setCommandRow(QWidget* row)
{
    row->setParent(this);
    m_commandRow = row;
    // The window takes its width from the panels before this one has laid itself out: the
    // row, whose buttons' captions grow with the language, sets the least it must have.
    setMinimumWidth(row->minimumSizeHint().width() +
                    style()->pixelMetric(QStyle::PM_LayoutLeftMargin) +
                    style()->pixelMetric(QStyle::PM_LayoutRightMargin));
    if (auto* layout = qobject_cast<QVBoxLayout*>(this->layout()))
        layout->insertWidget(0, row);
}

void ucPlanner::connectControls()
{
    connect(m_document, &PlanDocument::changed, this, &ucPlanner::syncControls);
    connect(txtParent, &QLineEdit::textEdited, m_document, &PlanDocument::setParentText);
    connect(cboMode, &QComboBox::activated, this, [this](int index) {
        m_document->setMode(net::PlanMode(cboMode->itemData(index).toInt()));
    });
    connect(spnSplitLength, &QSpinBox::valueChanged, m_document, &PlanDocument::setSplitLength);
    connect(spnSplitCount, &QSpinBox::valueChanged, this,
            [this](int count) { m_document->setSplitCount(std::uint64_t(count)); });
    connect(chkRfc3021, &QCheckBox::toggled, m_document, &PlanDocument::setRfc3021);

    connect(cmdAddNeed, &QPushButton::clicked, this, &ucPlanner::addNeed);
    connect(cmdRemoveNeed, &QPushButton::clicked, this, &ucPlanner::removeNeeds);
    connect(cmdMoveNeedUp, &QPushButton::clicked, this, [this] { moveNeed(-1); });
    connect(cmdMoveNeedDown, &QPushButton::clicked, this, [this] { moveNeed(1); });
    connect(cmdPasteNeeds, &QPushButton::clicked, this, &ucPlanner::pasteNeedsFromClipboard);
    connect(
        AddTableAction(tblNeeds, tr("Paste needs"), QKeySequence::keyBindings(QKeySequence::Paste)),
        &QAction::triggered, this, &ucPlanner::pasteNeedsFromClipboard);
    connect(AddTableAction(tblNeeds, tr("Add need"), {QKeySequence(Qt::Key_Insert)}),
            &QAction::triggered, this, &ucPlanner::addNeed);
    connect(AddTableAction(tblNeeds, tr("Remove need"),
                           QKeySequence::keyBindings(QKeySequence::Delete)),
            &QAction::triggered, this, &ucPlanner::removeNeeds);

    connect(AddTableAction(tblAnswer, tr("Copy"), QKeySequence::keyBindings(QKeySequence::Copy)),
            &QAction::triggered, this, [this] { copyAnswer(true); });
    connect(cmdCopyAnswer, &QPushButton::clicked, this, [this] { copyAnswer(false); });
    connect(tblAnswer->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid())
                    tblAnswer->scrollTo(current);
            });
}

void ucPlanner::syncControls()
{
    const net::Plan& plan = m_document->plan();
    if (txtParent->text() != m_document->parentText())
        txtParent->setText(m_document->parentText());
    {
        const QSignalBlocker blockMode(cboMode);
        const QSignalBlocker blockLength(spnSplitLength);
        const QSignalBlocker blockCount(spnSplitCount);
        const QSignalBlocker blockRfc(chkRfc3021);
        cboMode->setCurrentIndex(cboMode->findData(int(plan.mode)));
        spnSplitLength->setValue(plan.splitLength);
        spnSplitCount->setValue(
            int(std::min<std::uint64_t>(plan.splitCount, net::kPlanNetworkLimit)));
        chkRfc3021->setChecked(plan.rfc3021);
    }
    const bool vlsm = plan.mode == net::PlanMode::Vlsm;
    spnSplitLength->setVisible(plan.mode == net::PlanMode::SplitByLength);
    spnSplitCount->setVisible(plan.mode == net::PlanMode::SplitByCount);
    chkRfc3021->setVisible(vlsm);
    chkRfc3021->setEnabled(plan.parent.family() == net::IpFamily::Ipv4);
    for (QWidget* needControl : std::initializer_list<QWidget*>{
             tblNeeds, cmdAddNeed, cmdRemoveNeed, cmdMoveNeedUp, cmdMoveNeedDown, cmdPasteNeeds})
        needControl->setEnabled(vlsm);

    if (const auto error = m_document->parentError()) {
        lblParentStatus->setText(ParentRefusalText(m_document->parentText(), *error));
        lblParentStatus->show();
        lblPlanStatus->clear();
    } else {
        lblParentStatus->hide();
        lblParentStatus->clear();
        lblPlanStatus->setText(PlanStatusText(plan, m_document->answer()));
    }
}

int ucPlanner::needsInsertRow() const
{
    const QModelIndex current = tblNeeds->currentIndex();
    return current.isValid() ? current.row() + 1 : m_needsModel->rowCount();
}

void ucPlanner::addNeed()
{
    const int row = needsInsertRow();
    m_document->insertNeeds(row, {net::PlanNeed{{}, net::NeedSize::count(1)}});
    tblNeeds->setFocus();
    tblNeeds->setCurrentIndex(m_needsModel->index(row, NeedsModel::NameColumn));
    tblNeeds->edit(tblNeeds->currentIndex());
}

void ucPlanner::removeNeeds()
{
    std::set<int> rows;
    for (const QModelIndex& index : tblNeeds->selectionModel()->selectedIndexes())
        rows.insert(index.row());
    if (rows.empty() && tblNeeds->currentIndex().isValid())
        rows.insert(tblNeeds->currentIndex().row());
    if (rows.empty())
        return;
    // One undo step for a contiguous run; several runs are removed bottom up so the rows
    // above keep their numbers.
    for (auto it = rows.rbegin(); it != rows.rend();) {
        int last = *it;
        int first = last;
        while (++it != rows.rend() && *it == first - 1)
            first = *it;
        m_document->removeNeeds(first, last - first + 1);
    }
    const int count = m_needsModel->rowCount();
    if (count > 0)
        tblNeeds->setCurrentIndex(m_needsModel->index(std::min(*rows.begin(), count - 1), 0));
}

void ucPlanner::moveNeed(int step)
{
    const QModelIndex current = tblNeeds->currentIndex();
    if (!current.isValid())
        return;
    const int from = current.row();
    const int to = from + step;
    if (to < 0 || to >= m_needsModel->rowCount())
        return;
    m_document->moveNeed(from, step > 0 ? to + 1 : to);
    tblNeeds->setCurrentIndex(m_needsModel->index(to, current.column()));
}

void ucPlanner::pasteNeeds(const QString& text, int row)
{
    const PastedNeeds pasted = ReadPastedNeeds(text);
    if (!pasted.error.isEmpty()) {
        lblNeedsMessage->setText(tr("Nothing pasted. %1").arg(pasted.error));
        return;
    }
    if (pasted.needs.empty()) {
        lblNeedsMessage->setText(tr("Nothing pasted: no lines of a name and a size."));
        return;
    }
    lblNeedsMessage->clear();
    m_document->insertNeeds(row, pasted.needs);
    tblNeeds->setCurrentIndex(m_needsModel->index(row, NeedsModel::NameColumn));
}

void ucPlanner::pasteNeedsFromClipboard()
{
    pasteNeeds(QApplication::clipboard()->text(), needsInsertRow());
}

void ucPlanner::copyAnswer(bool selectedOnly)
{
    std::vector<int> rows;
    if (selectedOnly) {
        for (const QModelIndex& index : tblAnswer->selectionModel()->selectedRows())
            rows.push_back(index.row());
        std::sort(rows.begin(), rows.end());
    }
    QApplication::clipboard()->setText(TabSeparated(*m_answerModel, rows));
}

bool ucPlanner::eventFilter(QObject* watched, QEvent* event)
{
    if (tblNeeds && watched == tblNeeds->viewport()) {
        const auto type = event->type();
        if (type == QEvent::DragEnter || type == QEvent::DragMove) {
            auto* drag = static_cast<QDropEvent*>(event);
            if (drag->mimeData()->hasText() && tblNeeds->isEnabled()) {
                drag->acceptProposedAction();
                return true;
            }
        } else if (type == QEvent::Drop) {
            auto* drop = static_cast<QDropEvent*>(event);
            if (drop->mimeData()->hasText() && tblNeeds->isEnabled()) {
                const QModelIndex at = tblNeeds->indexAt(drop->position().toPoint());
                pasteNeeds(drop->mimeData()->text(),
                           at.isValid() ? at.row() : m_needsModel->rowCount());
                drop->acceptProposedAction();
                return true;
            }
        }
    }
    return TabPanel::eventFilter(watched, event);
}
