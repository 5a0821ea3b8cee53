#include "core/accessible_texts.h"

#include "core/panel_controls.h"

#include <QLabel>
#include <QWidget>

namespace {

void Apply(QWidget& panel, const QString& control, const QString& name, const char* description,
           const char* caption)
{
    QWidget* widget = nullptr;
    for (const QString& alternative : control.split(QLatin1Char('|'))) {
        if (!widget)
            widget = panel.findChild<QWidget*>(alternative);
    }
    if (!widget) {
        qWarning("No control %s for its accessible name", qPrintable(control));
        return;
    }
    widget->setAccessibleName(name);
    widget->setAccessibleDescription(QString::fromUtf8(description));
    if (*caption == '\0')
        return;
    if (auto* label = panel.findChild<QLabel*>(QString::fromLatin1(caption)))
        label->setBuddy(widget);
    else
        qWarning("No caption %s for %s", caption, qPrintable(control));
}

} // namespace

QString OctetBoxName(const char* arrayName, int index, int count)
{
    return QStringLiteral("%1, octet %2 of %3")
        .arg(QString::fromUtf8(arrayName))
        .arg(index + 1)
        .arg(count);
}

void ApplyAccessibleTexts(QWidget& panel, std::span<const AccessibleText> texts)
{
    for (const AccessibleText& row : texts) {
        if (row.octets == 0) {
            Apply(panel, QString::fromLatin1(row.control), QString::fromUtf8(row.name),
                  row.description, row.caption);
            continue;
        }
        for (int k = 0; k < row.octets; ++k)
            Apply(panel, ElementName(row.control, row.firstIndex + k),
                  OctetBoxName(row.name, k, row.octets), row.description,
                  k == 0 ? row.caption : "");
    }
}
