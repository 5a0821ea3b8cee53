#include "core/design_font.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QStringList>

#include <algorithm>

QStringList DesignFontFiles()
{
    QStringList files = {
        QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"),
        QStringLiteral("/usr/share/wine/fonts/tahomabd.ttf"),
    };
    files.removeIf([](const QString& file) { return !QFile::exists(file); });
    return files;
}

void RegisterDesignFonts()
{
    for (const QString& file : DesignFontFiles())
        QFontDatabase::addApplicationFont(file);
}

QFont DesignFont(qreal pointSize, bool bold)
{
    QFont font;
    // Qt looks for each character in these families in turn, so Chinese (which neither the
    // design font nor DejaVu has) takes the last one while Latin and Cyrillic keep the first.
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Verdana"),
                      QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("WenQuanYi Micro Hei")});
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

qreal LineStep(const QFont& font)
{
    constexpr qreal kLeastStepInEms = 1.2;
    return std::max(QFontMetricsF(font).lineSpacing(),
                    kLeastStepInEms * QFontInfo(font).pixelSize());
}
