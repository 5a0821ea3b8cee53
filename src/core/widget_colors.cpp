#include "core/widget_colors.h"

#include <QPalette>
#include <QWidget>

QColor ColorFromBgr(std::uint32_t bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

void SetBackgroundColor(QWidget& widget, std::uint32_t bgr)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, ColorFromBgr(bgr));
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

void SetTextColor(QWidget& widget, std::uint32_t bgr)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Text, ColorFromBgr(bgr));
    widget.setPalette(palette);
}
