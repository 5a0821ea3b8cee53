#pragma once

// The plan's answer as a table over the plan document, in address order: each allocated
// network, then the free space, one row per network. The columns are the family's: for
// IPv4 the mask, usable hosts and broadcast; for IPv6 the count of /64 networks. It is
// read-only and is made anew from the answer after every edit of the plan.
//
// Beside the texts, each row tells the picture where its network lies in the parent
// (StartRole, ShareRole: fractions of the parent's addresses) and whether it is free.

#include <QAbstractTableModel>

class PlanDocument;

class AnswerModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Role
    {
        FreeRole = Qt::UserRole, // bool: free space, not an allocation
        StartRole,               // double: where the network starts, 0 to 1 of the parent
        ShareRole,               // double: its size, a fraction of the parent
        NetworkRole,             // QString: the network as a/len
    };

    explicit AnswerModel(PlanDocument& document, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // How many rows are allocations; the free blocks come after them.
    int allocationCount() const;

private:
    enum class Column
    {
        Name,
        Network,
        Mask,
        First,
        Last,
        Broadcast,
        Usable,
        Networks64,
        Unused,
    };
    QList<Column> columns() const;
    QString cellText(int row, Column column) const;

    PlanDocument& m_document;
};
