#include "subnet/report.h"

#include <QStringList>

namespace {

QString Cell(const QString& text, int width)
{
    return (text + QString(25, QLatin1Char(' '))).left(width);
}

const QString kSeparator = QStringLiteral(",   ");

} // namespace

QString SubnetReportHeader()
{
    return SubnetReportRow(QStringLiteral("Subnet"), QStringLiteral("Valid Hosts"),
                           QStringLiteral("Broadcast"));
}

QString SubnetReportHostRange(const QString& first, const QString& last)
{
    return first.isEmpty() ? QStringLiteral("none") : first + QStringLiteral(" to ") + last;
}

QString SubnetReportRow(const QString& subnet, const QString& validHosts, const QString& broadcast)
{
    return Cell(subnet, 16) + kSeparator + Cell(validHosts, 34) + kSeparator + Cell(broadcast, 16);
}

QByteArray SubnetReportBytes(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}
