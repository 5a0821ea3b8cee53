#pragma once

// The plan as a picture: the parent's addresses as a bar (or a strip of lines for a long
// plan), each allocated network a labelled block in proportion to its size, the free
// space hatched and labelled "free". It draws the answer model's rows and shares the
// answer table's selection model: selecting a row outlines its block, and hovering or
// clicking a block selects its row. Left and Right step the selection when it has the
// focus. Colours come from the widget's palette, so it reads under any theme.

#include "planner/picture_layout.h"

#include <QPointer>
#include <QWidget>

class QAbstractItemModel;
class QItemSelectionModel;

class PlanPicture : public QWidget
{
    Q_OBJECT

public:
    explicit PlanPicture(QWidget* parent = nullptr);

    // The answer model and the selection it shares with the table.
    void setSelectionModel(QItemSelectionModel* selection);

    // The model row whose block is drawn at `position`, or -1.
    int rowAt(const QPoint& position) const;
    // Where the block of a model row is drawn (its first piece); empty when not drawn.
    QRect blockRect(int row) const;
    // The narrowest a block is drawn, in pixels.
    int minimumBlockWidth() const;
    // How many blocks are drawn wider than their share.
    int widenedCount() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    void relayout();
    PictureLayout layoutFor(int width) const;
    int lineHeight() const;
    int lineGap() const;
    QRect pieceRect(const PicturePiece& piece) const;
    QString legendText() const;
    void selectRow(int row);

    QPointer<QItemSelectionModel> m_selection;
    PictureLayout m_layout;
    int m_hoveredRow = -1;
};
