#pragma once

// The text of subnets.txt: a header and one row per subnet, three fixed-width cells
// (network 16, host range 34, broadcast 16 characters) joined by ",   ", every line
// ended by CR LF. A cell is its text padded with 25 blanks and cut to its width, so a
// host range shorter than nine characters leaves its row short.

#include <QByteArray>
#include <QString>

inline constexpr char kSubnetReportFileName[] = "subnets.txt";

QString SubnetReportHeader();
// The host range cell: "first to last", or "none" when first is empty.
QString SubnetReportHostRange(const QString& first, const QString& last);
QString SubnetReportRow(const QString& subnet, const QString& validHosts, const QString& broadcast);

// Lines joined into the file's bytes, CR LF after each one, the last included.
QByteArray SubnetReportBytes(const QStringList& lines);
