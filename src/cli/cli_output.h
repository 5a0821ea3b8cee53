#pragma once

// How a command's answer is put on standard output. A summary is a list of fields, each
// rendered once as an aligned "Label:  value" line and once as a key of one JSON object,
// so the two forms cannot drift apart. Lists (subnets, prefixes) carry their own text
// lines and their JSON array.

#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>
#include <QStringList>

struct Field
{
    QString key;   // JSON key; empty for a line shown in the text form only
    QString label; // text label; empty for a key given in JSON only
    QJsonValue value;
};

// null for an empty text, so scripts see "no value" rather than "".
QJsonValue TextOrNull(const QString& text);

// Labels padded to one column; null shows as "-", numbers as whole decimal numbers.
QString AlignedText(const QList<Field>& fields);

QJsonObject JsonObjectOf(const QList<Field>& fields);

// One JSON document, indented, ending in a newline.
QString JsonText(const QJsonObject& object);

// Lines each ended by a newline.
QString TextLines(const QStringList& lines);
