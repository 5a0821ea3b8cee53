#pragma once

// The records Python's csv module reads from CSV bytes, as a spreadsheet script reads a
// file: the independent reader the CSV tests compare with. Without python3 the answer is
// one record that says so, which no expected table matches.

#include <QJsonArray>
#include <QJsonDocument>
#include <QList>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

inline QList<QStringList> ReadCsvByPython(const QByteArray& text)
{
    const QString python = QStandardPaths::findExecutable("python3");
    if (python.isEmpty())
        return {{"<no python3>"}};
    QProcess process;
    process.start(python, {"-c", "import csv, io, json, sys\n"
                                 "rows = csv.reader(io.TextIOWrapper(sys.stdin.buffer, "
                                 "encoding='utf-8', newline=''), strict=True)\n"
                                 "print(json.dumps(list(rows)))\n"});
    process.write(text);
    process.closeWriteChannel();
    if (!process.waitForFinished(20000) || process.exitCode() != 0)
        return {{"<python failed>", QString::fromUtf8(process.readAllStandardError())}};
    QList<QStringList> records;
    for (const auto& row : QJsonDocument::fromJson(process.readAllStandardOutput()).array())
        records << row.toVariant().toStringList();
    return records;
}
