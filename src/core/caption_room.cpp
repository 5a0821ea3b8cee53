#include "core/caption_room.h"

#include "core/resultlabel.h"

#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <vector>

namespace {

// The least space kept between a widened control and the one it pushes.
constexpr int kGap = 4;

// Whether a button's caption, wrapped as WrappingButton draws it, fits its face.
bool CaptionFits(const QPushButton& button, int width)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.rect.setWidth(width);
    const QRect face =
        button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    const QRect needed = button.fontMetrics().boundingRect(
        face, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, button.text());
    return face.contains(needed);
}

// The width a caption's text needs, or 0 for anything else: a result label's width is
// the design's for its values.
int NeededWidth(const QWidget& widget)
{
    if (const auto* button = qobject_cast<const QPushButton*>(&widget)) {
        // Wider until the caption fits on the lines the button is high enough for.
        constexpr int kStep = 4;
        constexpr int kMostGrowth = 400;
        int width = button->width();
        while (!CaptionFits(*button, width) && width < button->width() + kMostGrowth)
            width += kStep;
        return width;
    }
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

// Whether two controls stand side by side; the design's rectangles of one row above
// the next often share a pixel.
bool SharesRow(const QRect& a, const QRect& b)
{
    constexpr int kLeastOverlap = 3;
    return std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top()) + 1 >= kLeastOverlap;
}

} // namespace

int MakeRoomForCaptions(QWidget& container)
{
    struct Placed
    {
        QWidget* widget;
        QRect design;
        // How wide the control draws: its text's width for a caption (which may end short
        // of a design rectangle running under its neighbour), else its own width.
        int reach = 0;
        // Whether what it draws may push its neighbours: a caption, or a frame that grew.
        bool pushes = false;
    };
    std::vector<Placed> children;
    for (QWidget* child : container.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow() && !child->objectName().startsWith(QLatin1String("qt_")))
            children.push_back({child, child->geometry()});
    }
    int designRight = 0;
    for (Placed& placed : children) {
        designRight = std::max(designRight, placed.design.x() + placed.design.width());
        QWidget& widget = *placed.widget;
        // Frames and pictures group controls at design rectangles of their own; what a
        // Qt layout places is left to the layout.
        if (!widget.layout() &&
            !widget.findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty()) {
            const int growth = MakeRoomForCaptions(widget);
            widget.resize(widget.width() + growth, widget.height());
            placed.reach = widget.width();
            placed.pushes = growth > 0;
        } else if (const int needed = NeededWidth(widget); needed > 0) {
            widget.resize(std::max(needed, widget.width()), widget.height());
            placed.reach = needed;
            placed.pushes = true;
        } else {
            placed.reach = widget.width();
        }
    }
    std::sort(children.begin(), children.end(),
              [](const Placed& a, const Placed& b) { return a.design.x() < b.design.x(); });
    for (const Placed& pushing : children) {
        if (!pushing.pushes)
            continue;
        const QRect now = pushing.widget->geometry();
        // What stands right of the control in its row moves clear of what it draws, and
        // with it whatever shares a column with what moves, so the design's columns stay
        // aligned. Nothing moves where the text ends before its neighbour.
        std::vector<QWidget*> moving;
        int delta = 0;
        int columnsFrom = container.width();
        for (const Placed& other : children) {
            const QRect rect = other.widget->geometry();
            if (rect.x() > now.x() && SharesRow(now, rect)) {
                moving.push_back(other.widget);
                delta = std::max(delta, now.x() + pushing.reach + kGap - rect.x());
                columnsFrom = std::min(columnsFrom, rect.x());
            }
        }
        if (delta <= 0)
            continue;
        for (std::size_t i = 0; i < moving.size(); ++i) {
            const QRect column = moving[i]->geometry();
            for (const Placed& other : children) {
                const QRect rect = other.widget->geometry();
                if (other.widget != pushing.widget && rect.x() >= columnsFrom &&
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
