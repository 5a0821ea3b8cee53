#pragma once

// The list of example addresses. No entry is current until one is picked, so the view
// would show nothing of its focus; it draws a focus frame itself until an entry is.

#include <QListWidget>

class HistoryList : public QListWidget
{
    Q_OBJECT

public:
    explicit HistoryList(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
