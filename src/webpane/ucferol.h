#pragma once

// The promotional pane behind the fourth tab. For now an empty panel: the main window
// can already place it, paint it and move the focus past it.

#include <QWidget>

#include <cstdint>

class ShellServices;

class ucFerol : public QWidget
{
    Q_OBJECT

public:
    explicit ucFerol(ShellServices& services, QWidget* parent = nullptr);

    // Background colour as 0x00BBGGRR.
    void SetBackColor(std::uint32_t newColor);
};
