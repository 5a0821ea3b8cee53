#include "core/widget_colors.h"

#include <QWidget>

namespace {

// White text on it reaches 6 : 1, as black text does on the disabled grey.
constexpr std::uint32_t kSelectionBgr = 0xB16300;
constexpr std::uint32_t kDisabledTextBgr = 0x6D6D6D;

} // namespace

QColor ColorFromBgr(std::uint32_t bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

QPalette DesignPalette(std::uint32_t backBgr)
{
    // Qt derives the button shades from the face, and picks black text and white boxes
    // for a light window (white text, black boxes for a dark one).
    QPalette palette(ColorFromBgr(kButtonFaceBgr), ColorFromBgr(backBgr));
    const QColor boxText = palette.color(QPalette::Text);
    palette.setColor(QPalette::Base, ColorFromBgr(kWhiteBgr));
    palette.setColor(QPalette::Text, ColorFromBgr(kBlackBgr));
    palette.setColor(QPalette::ButtonText, ColorFromBgr(kBlackBgr));
    palette.setColor(QPalette::Highlight, ColorFromBgr(kSelectionBgr));
    palette.setColor(QPalette::HighlightedText, ColorFromBgr(kWhiteBgr));
    palette.setColor(QPalette::WindowText, boxText);
    const QColor disabled = ColorFromBgr(kDisabledTextBgr);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, disabled);
    return palette;
}

void SetBackgroundColor(QWidget& widget, std::uint32_t bgr)
{
    widget.setPalette(DesignPalette(bgr));
    widget.setAutoFillBackground(true);
}

void SetBoxColor(QWidget& box, std::uint32_t bgr)
{
    QPalette palette = DesignPalette(kWhiteBgr);
    palette.setColor(QPalette::Base, ColorFromBgr(bgr));
    box.setPalette(palette);
}

void SetTextColor(QWidget& box, std::uint32_t bgr)
{
    QPalette palette = DesignPalette(kWhiteBgr);
    palette.setColor(QPalette::Text, ColorFromBgr(bgr));
    box.setPalette(palette);
}
