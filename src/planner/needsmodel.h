#pragma once

// The plan's needs as a table of two columns, name and size, over the plan document. It
// holds nothing of its own: it reads the document's rows and turns an edit in place into
// a document edit, which the undo stack keeps; the document's row signals come back as
// the model's own. A size that is not one is refused, and the row keeps its old size.

#include <QAbstractTableModel>

class PlanDocument;

class NeedsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        NameColumn,
        SizeColumn,
        ColumnCount,
    };

    explicit NeedsModel(PlanDocument& document, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    void beginDocumentChange(int first, int removed, int inserted);
    void endDocumentChange(int first, int removed, int inserted);

    PlanDocument& m_document;
};
