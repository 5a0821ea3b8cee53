#pragma once

// A label whose wrapped lines stand LineStep() apart (design_font.h); a QLabel sets them
// at the font's own spacing, which the Tahoma stand-in makes too tight. The text stays
// plain, for the program and for assistive technology alike.

#include <QLabel>

class SpacedLabel : public QLabel
{
    Q_OBJECT

public:
    explicit SpacedLabel(const QString& text, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
