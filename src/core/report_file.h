#pragma once

// How every report reaches the user, in this order: the output folder is had first (a
// panel asks before it changes anything, so a folder failure leaves it as it was), the
// file is then written whole through QSaveFile (an earlier report stays intact unless the
// new one is complete), and the text viewer is started on it last; should no program
// open it, the services tell the user where it was saved. A failure to have the folder or
// to save comes back as the message to show, naming the path that failed.

#include "core/outcome.h"
#include "core/shellservices.h"

#include <QByteArray>
#include <QString>

// The output folder as the value, created when missing. reportName starts the failure
// message ("The subnet list").
Outcome OpenReportFolder(ShellServices& services, const QString& reportName);

// Replaces the file at path with bytes, whole or not at all (QSaveFile): a failure leaves
// what was there. whatName starts the failure message ("The plan"); the value is the
// file's native path.
Outcome SaveFileWhole(const QString& path, const QByteArray& bytes, const QString& whatName);

// Replaces folder/fileName with bytes and opens it in the text viewer over parent. The
// value is the report's path.
Outcome SaveAndOpenReport(ShellServices& services, QWidget* parent, const QString& folder,
                          const QString& fileName, const QByteArray& bytes,
                          const QString& reportName);
