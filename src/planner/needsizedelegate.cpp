#include "planner/needsizedelegate.h"

#include "net/address_plan.h"

#include <QLineEdit>
#include <QValidator>

namespace {

class NeedSizeValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override
    {
        const QString text = input.trimmed();
        const qsizetype digitsFrom = text.startsWith(QLatin1Char('/')) ? 1 : 0;
        for (qsizetype k = digitsFrom; k < text.size(); ++k) {
            if (!text[k].isDigit() || text[k].unicode() > 0x7F)
                return Invalid;
        }
        if (text.size() - digitsFrom > 19)
            return Invalid;
        return net::NeedSize::parse(text.toStdString()) ? Acceptable : Intermediate;
    }
};

} // namespace

QWidget* NeedSizeDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const
{
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->setValidator(new NeedSizeValidator(line));
        line->setToolTip(
            index.model()->headerData(index.column(), Qt::Horizontal, Qt::ToolTipRole).toString());
    }
    return editor;
}
