#pragma once

// How every report reaches the user, in this order: the output folder is had first (a
// panel asks before it changes anything, so a folder failure leaves it as it was), the
// file is then written whole through QSaveFile (an earlier report stays intact unless the
// new one is complete), and the text viewer is started on it last. Each failure comes
// back as the message to show, naming the path that failed; an empty text means done.

#include "core/shellservices.h"

#include <QByteArray>
#include <QString>

struct ReportFolder
{
    QString path;
    QString failure; // the message for the user when the folder could not be had

    bool ok() const { return failure.isEmpty(); }
};

// The output folder, created when missing. reportName starts the failure message
// ("The subnet list").
ReportFolder OpenReportFolder(ShellServices& services, const QString& reportName);

// Replaces folder/fileName with bytes and opens it in the text viewer. Returns the
// message for the user, empty when the report was saved and opened.
QString SaveAndOpenReport(ShellServices& services, const ReportFolder& folder,
                          const QString& fileName, const QByteArray& bytes,
                          const QString& reportName);
