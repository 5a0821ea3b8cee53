#include "cli/cli_output.h"

#include <QJsonDocument>

#include <algorithm>

namespace {

QString ValueText(const QJsonValue& value)
{
    switch (value.type()) {
    case QJsonValue::Bool:
        return value.toBool() ? QStringLiteral("yes") : QStringLiteral("no");
    case QJsonValue::Double:
        // Whole numbers up to 2^32 are exact in a double; QString::number ignores the locale.
        return QString::number(static_cast<qint64>(value.toDouble()));
    case QJsonValue::String:
        return value.toString();
    default:
        return QStringLiteral("-");
    }
}

} // namespace

QJsonValue TextOrNull(const QString& text)
{
    return text.isEmpty() ? QJsonValue() : QJsonValue(text);
}

QString AlignedText(const QList<Field>& fields)
{
    qsizetype width = 0;
    for (const Field& field : fields)
        width = std::max(width, field.label.size());
    QStringList lines;
    for (const Field& field : fields) {
        if (!field.label.isEmpty())
            lines << (field.label + QLatin1Char(':')).leftJustified(width + 3) +
                         ValueText(field.value);
    }
    return TextLines(lines);
}

QJsonObject JsonObjectOf(const QList<Field>& fields)
{
    QJsonObject object;
    for (const Field& field : fields) {
        if (!field.key.isEmpty())
            object.insert(field.key, field.value);
    }
    return object;
}

QString JsonText(const QJsonObject& object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented));
}

QString TextLines(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += line + QLatin1Char('\n');
    return text;
}
