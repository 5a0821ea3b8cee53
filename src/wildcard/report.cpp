#include "wildcard/report.h"

#include "core/maker_links.h"

#include <QStringList>

namespace {

QString Dotted(const WildcardOctets& octets, int first)
{
    return QStringList{octets[first], octets[first + 1], octets[first + 2], octets[first + 3]}.join(
        QLatin1Char('.'));
}

// A multi-line box hands its text back with LF alone, and an octet box keeps a pasted
// line break; the file wants CR LF throughout.
QString WithCrLf(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

} // namespace

QByteArray WildcardReportBytes(const WildcardOctets& octets, const WildcardLists& lists)
{
    static const std::array<QString, 4> headings = {
        QStringLiteral("First Octet Match(es)"), QStringLiteral("Second Octet Match(es)"),
        QStringLiteral("Third Octet Match(es)"), QStringLiteral("Fourth Octet Match(es)")};
    const QString crLf = QStringLiteral("\r\n");

    QString text = QString::fromLatin1(kMakerHost) + QStringLiteral(" Wildcard mask checker") +
                   crLf + crLf + crLf;
    text += QStringLiteral("IP Address:    ") + Dotted(octets, 0) + crLf;
    text += QStringLiteral("Wildcard mask: ") + Dotted(octets, 4) + crLf;
    for (int i = 0; i < 4; ++i)
        text += QStringLiteral(" ") + crLf + headings[i] + crLf + lists[i] + crLf;
    text += QStringLiteral(" ") + crLf;
    return WithCrLf(text).toUtf8();
}
