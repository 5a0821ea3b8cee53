#include "core/crisp_frame.h"

#include <QEvent>
#include <QFrame>
#include <QPainter>

namespace {

// Paints the box's border in place of the style. The box's own painting of itself is
// only that border (its contents lie in the viewport), so nothing else is lost.
class CrispFramePainter : public QObject
{
public:
    explicit CrispFramePainter(QFrame& box) : QObject(&box), m_box(box) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != &m_box || event->type() != QEvent::Paint)
            return false;
        QPainter painter(&m_box);
        const QColor edge = m_box.palette().color(QPalette::Mid);
        const QRect r = m_box.rect();
        painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), edge);
        painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), edge);
        painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), edge);
        painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), edge);
        return true;
    }

private:
    QFrame& m_box;
};

} // namespace

void UseCrispFrame(QFrame& box)
{
    // A plain box one pixel wide keeps the contents where the style's frame had them.
    box.setFrameStyle(QFrame::Box | QFrame::Plain);
    box.setLineWidth(1);
    box.installEventFilter(new CrispFramePainter(box));
}
