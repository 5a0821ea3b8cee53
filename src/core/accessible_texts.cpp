#include "core/accessible_texts.h"

#include "core/panel_controls.h"

#include <QCoreApplication>
#include <QLabel>
#include <QWidget>

namespace {

void Apply(QWidget& panel, const QString& control, const QString& name, const QString& description,
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
    widget->setAccessibleDescription(description);
    if (*caption == '\0')
        return;
    if (auto* label = panel.findChild<QLabel*>(QString::fromLatin1(caption)))
        label->setBuddy(widget);
    else
        qWarning("No caption %s for %s", caption, qPrintable(control));
}

} // namespace

QString OctetBoxName(const QString& arrayName, int index, int count)
{
    //: An octet box's accessible name: %1 the address it is part of, %2 its place, %3 the count.
    return QCoreApplication::translate("OctetBoxRow", "%1, octet %2 of %3")
        .arg(arrayName)
        .arg(index + 1)
        .arg(count);
}

void ApplyAccessibleTexts(QWidget& panel, std::span<const AccessibleText> texts)
{
    const char* context = panel.metaObject()->className();
    for (const AccessibleText& row : texts) {
        const QString name = QCoreApplication::translate(context, row.name);
        const QString description = *row.description == '\0'
                                        ? QString()
                                        : QCoreApplication::translate(context, row.description);
        if (row.octets == 0) {
            Apply(panel, QString::fromLatin1(row.control), name, description, row.caption);
            continue;
        }
        for (int k = 0; k < row.octets; ++k)
            Apply(panel, ElementName(row.control, row.firstIndex + k),
                  OctetBoxName(name, k, row.octets), description, k == 0 ? row.caption : "");
    }
}
