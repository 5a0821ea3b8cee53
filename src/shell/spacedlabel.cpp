#include "shell/spacedlabel.h"

#include "core/design_font.h"

#include <QPainter>
#include <QTextLayout>

SpacedLabel::SpacedLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
}

void SpacedLabel::paintEvent(QPaintEvent* /*event*/)
{
    const QRect area = contentsRect();
    const qreal step = LineStep(font());
    QTextOption option(alignment());
    option.setWrapMode(QTextOption::WordWrap);
    QTextLayout layout(text(), font());
    layout.setTextOption(option);
    layout.beginLayout();
    qreal top = area.top();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(area.width());
        line.setPosition(QPointF(area.left(), top));
        top += step;
    }
    layout.endLayout();

    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    layout.draw(&painter, QPointF());
}
