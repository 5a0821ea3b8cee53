#include "planner/planpicture.h"

#include "planner/answermodel.h"

#include "core/focus_frame.h"

#include <QHelpEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <cmath>

namespace {

constexpr int kMaxLines = 64;

bool IsDark(const QPalette& palette)
{
    return palette.color(QPalette::Base).lightness() < 128;
}

// Neighbouring allocations take hues far apart, so that two blocks side by side never
// look like one; the lightness follows the theme, so the theme's text reads on them.
QColor BlockFill(int index, const QPalette& palette)
{
    const int hue = (index * 137) % 360;
    return QColor::fromHsl(hue, 110, IsDark(palette) ? 70 : 205);
}

} // namespace

PlanPicture::PlanPicture(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void PlanPicture::setSelectionModel(QItemSelectionModel* selection)
{
    m_selection = selection;
    const QAbstractItemModel* model = selection->model();
    connect(selection, &QItemSelectionModel::selectionChanged, this, [this] { update(); });
    connect(selection, &QItemSelectionModel::currentChanged, this, [this] { update(); });
    connect(model, &QAbstractItemModel::modelReset, this, &PlanPicture::relayout);
    relayout();
}

int PlanPicture::minimumBlockWidth() const
{
    return std::max(4, fontMetrics().averageCharWidth() / 2);
}

int PlanPicture::lineHeight() const
{
    return fontMetrics().height() * 2 + 4;
}

int PlanPicture::lineGap() const
{
    return std::max(2, fontMetrics().height() / 4);
}

PictureLayout PlanPicture::layoutFor(int width) const
{
    std::vector<PictureBlock> blocks;
    if (m_selection) {
        const QAbstractItemModel* model = m_selection->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            const QModelIndex index = model->index(row, 0);
            blocks.push_back({index.data(AnswerModel::StartRole).toDouble(),
                              index.data(AnswerModel::ShareRole).toDouble()});
        }
    }
    return LayOutPicture(blocks, std::max(1, width - 1), minimumBlockWidth(), kMaxLines);
}

void PlanPicture::relayout()
{
    m_layout = layoutFor(width());
    m_hoveredRow = -1;
    updateGeometry();
    update();
}

void PlanPicture::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int lines = m_layout.lines;
    m_layout = layoutFor(width());
    if (m_layout.lines != lines)
        updateGeometry();
}

int PlanPicture::widenedCount() const
{
    int count = 0;
    int last = -1;
    for (const PicturePiece& piece : m_layout.pieces) {
        if (piece.widened && piece.block != last)
            ++count;
        last = piece.block;
    }
    return count;
}

QString PlanPicture::legendText() const
{
    if (m_layout.pieces.empty())
        return tr("No plan to draw.");
    QString text = tr("Addresses run from left to right, lowest first; hatched blocks are free.");
    if (const int widened = widenedCount(); widened > 0) {
        text += QLatin1Char(' ') + tr("%n block(s) too small to draw to scale are drawn %1 pixels "
                                      "wide, marked with a dot.",
                                      "", widened)
                                       .arg(minimumBlockWidth());
    }
    return text;
}

int PlanPicture::heightForWidth(int width) const
{
    // Layouts ask this again and again, mostly for the width the picture has.
    const PictureLayout layout = width == this->width() ? m_layout : layoutFor(width);
    const int legendLines =
        fontMetrics()
            .boundingRect(QRect(0, 0, std::max(1, width), 10000), Qt::TextWordWrap, legendText())
            .height();
    return layout.lines * (lineHeight() + lineGap()) + legendLines + lineGap();
}

QSize PlanPicture::sizeHint() const
{
    const int width = fontMetrics().averageCharWidth() * 60;
    return {width, heightForWidth(width)};
}

QSize PlanPicture::minimumSizeHint() const
{
    return {fontMetrics().averageCharWidth() * 20, lineHeight() + fontMetrics().height()};
}

QRect PlanPicture::pieceRect(const PicturePiece& piece) const
{
    const int top = piece.line * (lineHeight() + lineGap());
    const int left = int(std::lround(piece.left));
    int right = int(std::lround(piece.left + piece.width));
    // Rounding both ends may take a pixel off a widened block; it keeps its promised width.
    if (piece.widened)
        right = std::max(right, left + minimumBlockWidth());
    return {left, top, std::max(1, right - left), lineHeight()};
}

int PlanPicture::rowAt(const QPoint& position) const
{
    for (const PicturePiece& piece : m_layout.pieces) {
        if (pieceRect(piece).contains(position))
            return piece.block;
    }
    return -1;
}

QRect PlanPicture::blockRect(int row) const
{
    for (const PicturePiece& piece : m_layout.pieces) {
        if (piece.block == row)
            return pieceRect(piece);
    }
    return {};
}

void PlanPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& colors = palette();
    const QAbstractItemModel* model = m_selection ? m_selection->model() : nullptr;
    int allocationIndex = 0;
    int lastBlock = -1;
    for (const PicturePiece& piece : m_layout.pieces) {
        const QModelIndex index = model->index(piece.block, 0);
        const bool free = index.data(AnswerModel::FreeRole).toBool();
        const bool selected = m_selection->isRowSelected(piece.block);
        if (piece.block != lastBlock && !free)
            ++allocationIndex;
        lastBlock = piece.block;
        const QRect box = pieceRect(piece);

        // A selected block keeps its fill and text and is framed in the highlight colour:
        // a theme's highlight is not always a background that text reads on.
        const QColor textColor = colors.color(QPalette::Text);
        if (free) {
            painter.fillRect(box, colors.color(QPalette::Base));
            painter.fillRect(box, QBrush(colors.color(QPalette::Mid), Qt::BDiagPattern));
        } else {
            painter.fillRect(box, BlockFill(allocationIndex, colors));
        }
        // Cosmetic pens: one device pixel at every scale.
        painter.setPen(QPen(colors.color(QPalette::Text), 0));
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        const int frame = std::max(2, fontMetrics().height() / 6);
        if (selected) {
            painter.setPen(QPen(colors.color(QPalette::Highlight), frame, Qt::SolidLine,
                                Qt::SquareCap, Qt::MiterJoin));
            painter.drawRect(QRectF(box).adjusted(frame / 2.0 + 1, frame / 2.0 + 1,
                                                  -frame / 2.0 - 1, -frame / 2.0 - 1));
        }
        if (piece.block == m_hoveredRow ||
            (hasFocus() && m_selection->currentIndex().row() == piece.block)) {
            painter.setPen(QPen(colors.color(QPalette::Text), 1, Qt::DotLine));
            painter.drawRect(box.adjusted(2, 2, -3, -3));
        }
        if (piece.widened) {
            painter.setBrush(textColor);
            painter.setPen(Qt::NoPen);
            const int dot = std::max(2, box.width() / 2);
            painter.drawEllipse(
                QRect(box.center().x() - dot / 2, box.bottom() - dot - 2, dot, dot));
            painter.setBrush(Qt::NoBrush);
        }

        const QString name = free ? tr("free") : index.data().toString();
        const QString network = index.data(AnswerModel::NetworkRole).toString();
        const QRect inner = box.adjusted(frame + 2, frame + 1, -frame - 2, -frame - 1);
        const QFontMetrics metrics = fontMetrics();
        if (inner.width() < metrics.averageCharWidth() * 2)
            continue;
        painter.setPen(textColor);
        const QRect upper(inner.left(), inner.top(), inner.width(), inner.height() / 2);
        const QRect lower(inner.left(), inner.top() + inner.height() / 2, inner.width(),
                          inner.height() - inner.height() / 2);
        painter.drawText(upper, Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(name, Qt::ElideRight, inner.width()));
        painter.drawText(lower, Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(network, Qt::ElideRight, inner.width()));
    }

    // With no block current, the focus shows round the whole bar.
    if (hasFocus() && !(m_selection && m_selection->currentIndex().isValid())) {
        PaintFocusFrame(painter, *this,
                        QRect(0, 0, width(), m_layout.lines * (lineHeight() + lineGap())));
    }

    const int legendTop = m_layout.lines * (lineHeight() + lineGap());
    painter.setPen(colors.color(QPalette::WindowText));
    painter.drawText(QRect(0, legendTop, width(), height() - legendTop),
                     Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, legendText());
}

void PlanPicture::selectRow(int row)
{
    if (!m_selection || row < 0)
        return;
    const QModelIndex index = m_selection->model()->index(row, 0);
    m_selection->setCurrentIndex(index,
                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void PlanPicture::mouseMoveEvent(QMouseEvent* event)
{
    const int row = rowAt(event->position().toPoint());
    if (row != m_hoveredRow) {
        m_hoveredRow = row;
        selectRow(row);
        update();
    }
    QWidget::mouseMoveEvent(event);
}

void PlanPicture::mousePressEvent(QMouseEvent* event)
{
    selectRow(rowAt(event->position().toPoint()));
    QWidget::mousePressEvent(event);
}

void PlanPicture::leaveEvent(QEvent* event)
{
    m_hoveredRow = -1;
    update();
    QWidget::leaveEvent(event);
}

void PlanPicture::keyPressEvent(QKeyEvent* event)
{
    if (!m_selection || (event->key() != Qt::Key_Left && event->key() != Qt::Key_Right)) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int rows = m_selection->model()->rowCount();
    if (rows == 0)
        return;
    const int current = m_selection->currentIndex().row();
    const int step = event->key() == Qt::Key_Left ? -1 : 1;
    selectRow(current < 0 ? 0 : std::clamp(current + step, 0, rows - 1));
}

bool PlanPicture::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && m_selection) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int row = rowAt(help->pos());
        if (row < 0) {
            QToolTip::hideText();
            return true;
        }
        const QModelIndex index = m_selection->model()->index(row, 0);
        const bool free = index.data(AnswerModel::FreeRole).toBool();
        QToolTip::showText(help->globalPos(),
                           (free ? tr("Free") : index.data().toString()) + QStringLiteral(": ") +
                               index.data(AnswerModel::NetworkRole).toString(),
                           this, blockRect(row));
        return true;
    }
    return QWidget::event(event);
}
