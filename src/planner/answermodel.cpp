#include "planner/answermodel.h"

#include "planner/plan_document.h"
#include "planner/plan_texts.h"

#include <cmath>

namespace {

double ToDouble(net::UInt128 n)
{
    return std::ldexp(double(n.high()), 64) + double(n.low());
}

// Where a network lies in its parent, as fractions of the parent's addresses.
double StartIn(const net::IpNetwork& parent, const net::IpNetwork& network)
{
    const int parentBits = parent.bits() - parent.prefixLength();
    return std::ldexp(ToDouble(network.first() - parent.first()), -parentBits);
}

double ShareOf(const net::IpNetwork& parent, const net::IpNetwork& network)
{
    return std::ldexp(1.0, parent.prefixLength() - network.prefixLength());
}

QString AddressText(const net::IpNetwork& network, net::UInt128 address)
{
    if (network.family() == net::IpFamily::Ipv4)
        return QString::fromStdString(net::Ipv4Address(std::uint32_t(address.low())).toString());
    return QString::fromStdString(net::Ipv6Address(address).toString());
}

} // namespace

AnswerModel::AnswerModel(PlanDocument& document, QObject* parent)
    : QAbstractTableModel(parent), m_document(document)
{
    connect(&m_document, &PlanDocument::changed, this, [this] {
        beginResetModel();
        endResetModel();
    });
}

int AnswerModel::allocationCount() const
{
    return int(m_document.answer().allocations.size());
}

int AnswerModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return allocationCount() + int(m_document.answer().free.size());
}

QList<AnswerModel::Column> AnswerModel::columns() const
{
    if (m_document.plan().parent.family() == net::IpFamily::Ipv4) {
        return {Column::Name, Column::Network,   Column::Mask,   Column::First,
                Column::Last, Column::Broadcast, Column::Usable, Column::Unused};
    }
    return {Column::Name, Column::Network,    Column::First,
            Column::Last, Column::Networks64, Column::Unused};
}

int AnswerModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(columns().size());
}

QVariant AnswerModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    const QList<Column> all = columns();
    if (section < 0 || section >= all.size())
        return {};
    const bool ipv4 = m_document.plan().parent.family() == net::IpFamily::Ipv4;
    switch (all[section]) {
    case Column::Name:
        return tr("Name");
    case Column::Network:
        return tr("Network");
    case Column::Mask:
        return tr("Mask");
    case Column::First:
        return ipv4 ? tr("First usable") : tr("First address");
    case Column::Last:
        return ipv4 ? tr("Last usable") : tr("Last address");
    case Column::Broadcast:
        return tr("Broadcast");
    case Column::Usable:
        return tr("Usable hosts");
    case Column::Networks64:
        return tr("/64 networks");
    case Column::Unused:
        return ipv4 ? tr("Unused hosts") : tr("Unused /64s");
    }
    return {};
}

QString AnswerModel::cellText(int row, Column column) const
{
    const net::PlanAnswer& answer = m_document.answer();
    const net::Plan& plan = m_document.plan();
    const bool free = row >= allocationCount();
    const net::IpNetwork network = free ? answer.free[std::size_t(row - allocationCount())]
                                        : answer.allocations[std::size_t(row)].network;
    const bool ipv4 = network.family() == net::IpFamily::Ipv4;
    // A free block's "first" and "last" are its ends: nothing in it is in use.
    net::UInt128 first = network.first();
    net::UInt128 last = network.last();
    std::optional<net::UInt128> usable;
    if (ipv4) {
        const auto hosts = network.ipv4().hosts(plan.rfc3021);
        usable = hosts ? hosts->size() : 0;
        if (!free && hosts) {
            first = hosts->first.value();
            last = hosts->last.value();
        }
    }
    const int length = network.prefixLength();
    const net::UInt128 networks64 =
        length <= 64 ? net::UInt128(1) << (64 - length) : net::UInt128(0);
    switch (column) {
    case Column::Name:
        if (free)
            return tr("Free");
        if (answer.allocations[std::size_t(row)].need == net::kNoNeed)
            return tr("Network %1").arg(row + 1);
        return QString::fromStdString(plan.needs[answer.allocations[std::size_t(row)].need].name);
    case Column::Network:
        return QString::fromStdString(network.toString());
    case Column::Mask:
        return QString::fromStdString(network.ipv4().mask().toString());
    case Column::First:
        return !free && ipv4 && *usable == 0 ? QStringLiteral("\u2014")
                                             : AddressText(network, first);
    case Column::Last:
        return !free && ipv4 && *usable == 0 ? QStringLiteral("\u2014")
                                             : AddressText(network, last);
    case Column::Broadcast:
        return free || network.prefixLength() >= 31 ? QStringLiteral("\u2014")
                                                    : AddressText(network, network.last());
    case Column::Usable:
        return free ? QStringLiteral("\u2014") : CountText(*usable);
    case Column::Networks64:
        return length <= 64 ? CountText(networks64) : QStringLiteral("\u2014");
    case Column::Unused:
        if (free)
            return tr("all");
        if (answer.allocations[std::size_t(row)].need == net::kNoNeed)
            return QStringLiteral("\u2014");
        return CountText(answer.allocations[std::size_t(row)].unused);
    }
    return {};
}

QVariant AnswerModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const bool free = index.row() >= allocationCount();
    const net::PlanAnswer& answer = m_document.answer();
    const net::IpNetwork& network = free ? answer.free[std::size_t(index.row() - allocationCount())]
                                         : answer.allocations[std::size_t(index.row())].network;
    const Column column = columns()[index.column()];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return cellText(index.row(), column);
    case Qt::TextAlignmentRole:
        if (column == Column::Usable || column == Column::Networks64 || column == Column::Unused)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    case FreeRole:
        return free;
    case StartRole:
        return StartIn(m_document.plan().parent, network);
    case ShareRole:
        return ShareOf(m_document.plan().parent, network);
    case NetworkRole:
        return QString::fromStdString(network.toString());
    default:
        return {};
    }
}
