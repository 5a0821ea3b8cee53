#include "core/report_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

Outcome OpenReportFolder(ShellServices& services, const QString& reportName)
{
    Outcome folder = services.outputFolder(true);
    if (!folder.ok())
        return Outcome::failure(
            QCoreApplication::translate("ReportFile", "%1 could not be saved.\n%2")
                .arg(reportName, folder.error));
    return folder;
}

Outcome SaveFileWhole(const QString& path, const QByteArray& bytes, const QString& whatName)
{
    const QString nativePath = QDir::toNativeSeparators(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) < 0 || !file.commit()) {
        return Outcome::failure(
            QCoreApplication::translate("ReportFile", "%1 could not be saved to %2.\n%3")
                .arg(whatName, nativePath, file.errorString()));
    }
    return Outcome::success(nativePath);
}

Outcome SaveAndOpenReport(ShellServices& services, QWidget* parent, const QString& folder,
                          const QString& fileName, const QByteArray& bytes,
                          const QString& reportName)
{
    Outcome saved = SaveFileWhole(QDir(folder).filePath(fileName), bytes, reportName);
    if (saved.ok())
        services.openInTextViewer(parent, saved.value);
    return saved;
}
