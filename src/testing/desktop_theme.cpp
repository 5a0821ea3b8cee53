#include "testing/desktop_theme.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

namespace {

QPalette DarkPalette()
{
    const QColor window(0x35, 0x35, 0x35);
    const QColor base(0x2a, 0x2a, 0x2a);
    const QColor light(0xf0, 0xf0, 0xf0);
    const QColor accent(0x2a, 0x82, 0xda);
    QPalette palette(window, window);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                                     QPalette::ToolTipText, QPalette::BrightText})
        palette.setColor(role, light);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::ToolTipBase, window);
    palette.setColor(QPalette::Link, accent);
    palette.setColor(QPalette::Highlight, accent);
    palette.setColor(QPalette::HighlightedText, Qt::black);
    const QColor disabled(0x7f, 0x7f, 0x7f);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, disabled);
    return palette;
}

} // namespace

void UseDesktopTheme(DesktopTheme theme)
{
    QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    const QPalette palette =
        theme == DesktopTheme::Dark ? DarkPalette() : fusion->standardPalette();
    QApplication::setStyle(fusion);
    QApplication::setPalette(palette);
}
