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
    for (const Placed& grown : children) {
        const QRect now = grown.widget->geometry();
        if (now.right() <= grown.design.right())
            continue;
        // What stands right of the grown control in its row moves, and with it whatever
        // shares a column with what moves, so the design's columns stay aligned.
        const int oldRight = now.x() + grown.design.width();
        std::vector<QWidget*> moving;
        int delta = 0;
        for (const Placed& other : children) {
            const QRect rect = other.widget->geometry();
            if (other.widget != grown.widget && rect.x() >= oldRight && SharesRow(now, rect)) {
                moving.push_back(other.widget);
                delta = std::max(delta, now.right() + 1 + kGap - rect.x());
            }
        }
        if (delta <= 0)
            continue;
        for (std::size_t i = 0; i < moving.size(); ++i) {
            const QRect column = moving[i]->geometry();
            for (const Placed& other : children) {
                const QRect rect = other.widget->geometry();
                if (other.widget != grown.widget && rect.x() >= oldRight &&
                    rect.left() <= column.right() && column.left() <= rect.right() &&
                    std::find(moving.begin(), moving.end(), other.widget) == moving.end())
                    moving.push_back(other.widget);
            }
        }
        for (QWidget* widget : moving)
            widget->move(widget->x() + delta, widget->y());
    }
    int right = 0;
    for (const Placed& placed : children)
        right = std::max(right, placed.widget->x() + placed.widget->width());
    return std::max(0, right - designRight);
}
