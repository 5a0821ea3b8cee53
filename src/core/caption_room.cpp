#include "core/caption_room.h"

#include "core/resultlabel.h"

#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QStyle>

#include <algorithm>
#include <vector>

namespace {

// The least space kept between a widened control and the one it pushes.
constexpr int kGap = 4;

// The width a caption's text needs, or 0 for anything else: a result label's width is
// the design's for its values, and buttons wrap their captions.
int NeededWidth(const QWidget& widget)
{
    if (qobject_cast<const ResultLabel*>(&widget))
        return 0;
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        return label->wordWrap() || label->text().isEmpty() ? 0 : label->sizeHint().width();
    if (const auto* box = qobject_cast<const QCheckBox*>(&widget)) {
        // The box and its text, without the slack the style's size hint adds.
        const QStyle& style = *box->style();
        return style.pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box) +
               style.pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box) +
               box->fontMetrics().horizontalAdvance(QString(box->text()).remove(QLatin1Char('&')));
    }
    return 0;
}

bool SharesRow(const QRect& a, const QRect& b)
{
    return a.top() <= b.bottom() && b.top() <= a.bottom();
}

} // namespace

int MakeRoomForCaptions(QWidget& container)
{
    struct Placed
    {
        QWidget* widget;
        QRect design;
    };
    std::vector<Placed> children;
    for (QWidget* child : container.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow() && !child->objectName().startsWith(QLatin1String("qt_")))
            children.push_back({child, child->geometry()});
    }
    int designRight = 0;
    for (const Placed& placed : children) {
        designRight = std::max(designRight, placed.design.x() + placed.design.width());
        QWidget& widget = *placed.widget;
        // Frames and pictures group controls at design rectangles of their own; what a
        // Qt layout places is left to the layout.
        if (!widget.layout() &&
            !widget.findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty())
            widget.resize(widget.width() + MakeRoomForCaptions(widget), widget.height());
        else if (const int needed = NeededWidth(widget); needed > widget.width())
            widget.resize(needed, widget.height());
    }
    std::sort(children.begin(), children.end(),
              [](const Placed& a, const Placed& b) { return a.design.x() < b.design.x(); });
    for (std::size_t i = 0; i < children.size(); ++i) {
        QWidget& widget = *children[i].widget;
        int left = widget.x();
        for (std::size_t j = 0; j < i; ++j) {
            const Placed& before = children[j];
            const int grownRight = before.widget->x() + before.widget->width();
            const bool grown = grownRight > before.design.x() + before.design.width();
            if (grown && before.design.right() < children[i].design.x() &&
                SharesRow(before.design, children[i].design))
                left = std::max(left, grownRight + kGap);
        }
        widget.move(left, widget.y());
    }
    int right = 0;
    for (const Placed& placed : children)
        right = std::max(right, placed.widget->x() + placed.widget->width());
    return std::max(0, right - designRight);
}
