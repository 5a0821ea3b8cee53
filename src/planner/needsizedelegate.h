#pragma once

// The size column's editor: a line edit that lets through only what can become a size
// (digits, or "/" and digits), and will not be committed by Enter until it is one, so a
// size being typed is never lost to a refusal.

#include <QStyledItemDelegate>

class NeedSizeDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
};
