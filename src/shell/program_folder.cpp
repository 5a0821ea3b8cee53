#include "shell/program_folder.h"

#include <QDir>
#include <QFileInfo>

QString ProgramFolder(const QString& executableFolder, const QString& dataFromExecutable)
{
    if (!dataFromExecutable.isEmpty()) {
        const QFileInfo data(QDir(executableFolder).filePath(dataFromExecutable));
        if (data.isDir())
            return QDir::cleanPath(data.absoluteFilePath());
    }
    return QDir::cleanPath(executableFolder);
}

QString ProgramFolder(const QString& executableFolder)
{
#ifdef Q_OS_WIN
    // Windows installs keep everything in the executable's folder.
    return ProgramFolder(executableFolder, QString());
#else
    return ProgramFolder(executableFolder, QStringLiteral(FEROL_DATA_FROM_BINDIR));
#endif
}

QStringList ProgramFileNames()
{
    return QStringLiteral(FEROL_PROGRAM_FILE_NAMES).split(QLatin1Char('/'), Qt::SkipEmptyParts);
}

QStringList MissingFiles(const QString& folder, const QStringList& fileNames)
{
    QStringList missing;
    const QDir dir(folder);
    for (const QString& name : fileNames) {
        if (!QFileInfo(dir.filePath(name)).isFile())
            missing << name;
    }
    return missing;
}
