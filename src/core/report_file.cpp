#include "core/report_file.h"

#include <QDir>
#include <QSaveFile>

ReportFolder OpenReportFolder(ShellServices& services, const QString& reportName)
{
    const FolderResult folder = services.outputFolder(true);
    if (!folder.ok())
        return {{}, QStringLiteral("%1 could not be saved.\n%2").arg(reportName, folder.error)};
    return {folder.path, {}};
}

QString SaveAndOpenReport(ShellServices& services, const ReportFolder& folder,
                          const QString& fileName, const QByteArray& bytes,
                          const QString& reportName)
{
    const QString path = QDir(folder.path).filePath(fileName);
    const QString nativePath = QDir::toNativeSeparators(path);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) < 0 || !file.commit()) {
        return QStringLiteral("%1 could not be saved to %2.\n%3")
            .arg(reportName, nativePath, file.errorString());
    }

    const ServiceResult viewer = services.openInTextViewer(nativePath);
    if (!viewer.ok()) {
        return QStringLiteral("%1 was saved to %2, but it could not be opened.\n%3")
            .arg(reportName, nativePath, viewer.error);
    }
    return {};
}
