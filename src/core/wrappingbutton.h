#pragma once

// A push button whose caption wraps onto several lines when it is wider than the
// button, as long captions on the design's small buttons do.

#include <QPushButton>

class WrappingButton : public QPushButton
{
    Q_OBJECT

public:
    explicit WrappingButton(const QString& text, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
