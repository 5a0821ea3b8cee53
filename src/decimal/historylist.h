#pragma once

// The list of example addresses. No entry is current until one is picked, so the view
// would show nothing of its focus; it draws a focus frame itself until an entry is. Its
// border shows at every scale (crisp_frame.h), its first entry keeps off the border, and
// each entry is a whole line high (LineStep, design_font.h).

#include <QListWidget>

class HistoryList : public QListWidget
{
    Q_OBJECT

public:
    explicit HistoryList(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
