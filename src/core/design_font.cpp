#include "core/design_font.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QStringList>

#include <algorithm>

void RegisterDesignFonts()
{
    const QStringList candidates = {
        QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"),
        QStringLiteral("/usr/share/wine/fonts/tahomabd.ttf"),
    };
    for (const QString& file : candidates) {
        if (QFile::exists(file))
            QFontDatabase::addApplicationFont(file);
    }
}

QFont DesignFont(qreal pointSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Verdana"),
                      QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});
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
