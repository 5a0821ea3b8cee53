#pragma once

// What the main window knows of the panels on its tab strip, and the one thing it asks
// of each: when a panel's tab is shown, the window hands it its background colour. The
// panel paints that colour itself, and everything on it takes the design's colours with
// it (widget_colors.h), so the panel reads the same under any desktop theme.

#include <QWidget>

#include <cstdint>

class TabPanel : public QWidget
{
    Q_OBJECT

public:
    explicit TabPanel(QWidget* parent = nullptr);

    // Background colour as 0x00BBGGRR.
    void SetBackColor(std::uint32_t newColor);
};
