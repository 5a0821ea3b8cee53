#include "webpane/page_composition.h"

#include "core/maker_links.h"

#include <QFile>
#include <QMimeDatabase>
#include <QUrl>

namespace {

QString Attribute(const QString& value)
{
    return value.toHtmlEscaped();
}

QString ImageLink(const QString& address, const QString& alt, const QString& source)
{
    return QStringLiteral("<a href=\"%1\" target=\"_blank\"><img alt=\"%2\" src=\"%3\" "
                          "border=\"0\"></a><br>")
        .arg(Attribute(address), Attribute(alt), Attribute(source));
}

QString TextLink(const QString& address, const QString& caption)
{
    return QStringLiteral("<a href=\"%1\" target=\"_blank\">%2</a>")
        .arg(Attribute(address), caption);
}

QString MoreLink(const QString& address)
{
    return QStringLiteral("&nbsp;") + TextLink(address, QStringLiteral("More"));
}

} // namespace

QString ComposePage(const PaneImageSources& images)
{
    const QString simulator = MakerAddress(QStringLiteral("/AboutLumbra.html"));
    const QString exams = MakerAddress(QStringLiteral("/about-practice-exams.html"));
    const QString guarantee = MakerAddress(QStringLiteral("/Guarantee.html"));
    const QString training = MakerAddress(QStringLiteral("/AboutTraining.html"));
    const QString blankLine = QStringLiteral("<br><br>");

    QString page;
    page += ImageLink(simulator, QStringLiteral("Lumbra Network Simulator"), images[0]);
    page += QStringLiteral(
        "The Lumbra<sup>&trade;</sup> Network Simulator runs the technologies and commands "
        "the networking certification exams ask for &mdash; on your own desk, in the "
        "classroom or across a corporate IT department.");
    page += MoreLink(simulator);
    page += blankLine;

    page += ImageLink(exams, QStringLiteral("Orvat-Max Practice Exams"), images[1]);
    page += QStringLiteral(
        "Orvat-Max<sup>&reg;</sup> practice exams are written and edited by our "
        "subject-matter experts, and every question comes with a detailed explanation.");
    page += blankLine;
    page += QStringLiteral("Each exam matches the timing and difficulty of the real one "
                           "&mdash; ");
    page += TextLink(guarantee, QStringLiteral("Guaranteed"));
    page += QStringLiteral(".");
    page += MoreLink(exams);
    page += blankLine;

    page += ImageLink(training, QStringLiteral("Ferol Training"), images[2]);
    page += QStringLiteral("Ferol<sup>&reg;</sup> Training teaches IT in instructor-led "
                           "classes from authorized courseware.");
    page += MoreLink(training);
    return page;
}

QString FileDataAddress(const QString& filePath)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return QUrl::fromLocalFile(filePath).toString();
    const QString type =
        QMimeDatabase().mimeTypeForFile(filePath, QMimeDatabase::MatchExtension).name();
    return QStringLiteral("data:") + type + QStringLiteral(";base64,") +
           QString::fromLatin1(file.readAll().toBase64());
}

PaneImageSources PaneImagesFromFolder(const QString& appFolder)
{
    PaneImageSources sources;
    for (int i = 0; i < kPaneBlockCount; ++i)
        sources[i] = FileDataAddress(appFolder + QLatin1String(kPaneImageFiles[i]));
    return sources;
}
