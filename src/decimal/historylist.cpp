#include "decimal/historylist.h"

#include "core/crisp_frame.h"
#include "core/design_font.h"
#include "core/focus_frame.h"

#include <QPainter>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

// Room between the border and the first entry, so its text does not touch the border.
constexpr int kTopInset = 2;

// Entries as tall as a line of text should be, so a highlight covers its whole entry.
class EntryDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(std::max(size.height(), qRound(LineStep(option.font))));
        return size;
    }
};

} // namespace

HistoryList::HistoryList(QWidget* parent) : QListWidget(parent)
{
    UseCrispFrame(*this);
    setViewportMargins(0, kTopInset, 0, 0);
    setItemDelegate(new EntryDelegate(this));
}

void HistoryList::paintEvent(QPaintEvent* event)
{
    QListWidget::paintEvent(event);
    if (!hasFocus() || currentItem())
        return;
    QPainter painter(viewport());
    PaintFocusFrame(painter, *this, viewport()->rect());
}
