#pragma once

// The decimal IP calculator behind the third tab. For now an empty panel: the main
// window can already place it, paint it and move the focus past it.

#include <QWidget>

#include <cstdint>

class ucDecimalCalc : public QWidget
{
    Q_OBJECT

public:
    explicit ucDecimalCalc(QWidget* parent = nullptr);

    // Background colour as 0x00BBGGRR.
    void SetBackColor(std::uint32_t newColor);
};
