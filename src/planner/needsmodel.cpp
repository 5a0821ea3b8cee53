#include "planner/needsmodel.h"

#include "planner/plan_document.h"

NeedsModel::NeedsModel(PlanDocument& document, QObject* parent)
    : QAbstractTableModel(parent), m_document(document)
{
    connect(&m_document, &PlanDocument::needsAboutToChange, this, &NeedsModel::beginDocumentChange);
    connect(&m_document, &PlanDocument::needsChanged, this, &NeedsModel::endDocumentChange);
    // The size column's caption names the unit, which is the parent's family's.
    connect(&m_document, &PlanDocument::changed, this,
            [this] { emit headerDataChanged(Qt::Horizontal, SizeColumn, SizeColumn); });
}

int NeedsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_document.plan().needs.size());
}

int NeedsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant NeedsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const net::PlanNeed& need = m_document.plan().needs[std::size_t(index.row())];
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        return index.column() == NameColumn ? QString::fromStdString(need.name)
                                            : QString::fromStdString(need.size.toString());
    }
    if (role == Qt::TextAlignmentRole && index.column() == SizeColumn)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant NeedsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical)
        return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    const bool ipv6 = m_document.plan().parent.family() == net::IpFamily::Ipv6;
    if (role == Qt::DisplayRole) {
        if (section == NameColumn)
            return tr("Name");
        return ipv6 ? tr("/64 networks or /n") : tr("Hosts or /n");
    }
    if (role == Qt::ToolTipRole && section == SizeColumn) {
        return ipv6 ? tr("How many /64 networks the need takes, or /n for a network of prefix "
                         "length n")
                    : tr("How many usable host addresses the need takes, or /n for a network "
                         "of prefix length n");
    }
    return {};
}

Qt::ItemFlags NeedsModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

bool NeedsModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || index.row() >= rowCount())
        return false;
    net::PlanNeed need = m_document.plan().needs[std::size_t(index.row())];
    const QString text = value.toString().trimmed();
    if (index.column() == NameColumn) {
        need.name = text.toStdString();
    } else {
        const auto size = net::NeedSize::parse(text.toStdString());
        if (!size)
            return false;
        need.size = *size;
    }
    m_document.setNeed(index.row(), need);
    return true;
}

void NeedsModel::beginDocumentChange(int first, int removed, int inserted)
{
    if (removed == inserted)
        return;
    if (inserted == 0)
        beginRemoveRows({}, first, first + removed - 1);
    else if (removed == 0)
        beginInsertRows({}, first, first + inserted - 1);
    else
        beginResetModel();
}

void NeedsModel::endDocumentChange(int first, int removed, int inserted)
{
    if (removed == inserted) {
        if (removed > 0)
            emit dataChanged(index(first, 0), index(first + removed - 1, ColumnCount - 1));
        return;
    }
    if (inserted == 0)
        endRemoveRows();
    else if (removed == 0)
        endInsertRows();
    else
        endResetModel();
}
