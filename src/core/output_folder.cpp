#include "core/output_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <utility>

namespace {

QString Native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

QString OutputFolderPath(const QString& documents)
{
    // Without a documents folder there is no output folder; gluing the name onto an
    // empty text would point at the root of whatever drive is current.
    if (documents.isEmpty())
        return {};
    QString folder = QDir::fromNativeSeparators(documents);
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return Native(folder + QLatin1String(kOutputFolderName));
}

Outcome CreateFolderPath(const QString& path)
{
    const QString target = QDir::cleanPath(QDir::fromNativeSeparators(path));
    if (target.isEmpty())
        return Outcome::failure(
            QCoreApplication::translate("ReportFile", "No folder was named to create."));

    // Walk up to the deepest level that exists, so roots, drives and network shares
    // are never asked to be made; then make the missing levels from the top down.
    QStringList missing;
    QString level = target;
    while (!QFileInfo::exists(level)) {
        missing.prepend(level);
        const QString parent = QFileInfo(level).path();
        if (parent == level)
            break;
        level = parent;
    }
    if (QFileInfo::exists(level) && !QFileInfo(level).isDir()) {
        if (level == target)
            return Outcome::failure(
                QCoreApplication::translate("ReportFile", R"("%1" is a file, not a folder.)")
                    .arg(Native(target)));
        return Outcome::failure(
            QCoreApplication::translate(
                "ReportFile", R"(The folder "%1" cannot be created because "%2" is a file.)")
                .arg(Native(target), Native(level)));
    }

    for (const QString& next : std::as_const(missing)) {
        if (!QDir().mkdir(next)) {
            return Outcome::failure(QCoreApplication::translate(
                                        "ReportFile", R"(The folder "%1" could not be created.)")
                                        .arg(Native(next)));
        }
    }
    return Outcome::success();
}

Outcome OutputFolder(const QString& documents, bool create)
{
    if (documents.isEmpty())
        return Outcome::failure(
            QCoreApplication::translate("ReportFile", "The documents folder is unknown, so the "
                                                      "reports have no folder to go to."));
    const QString folder = OutputFolderPath(documents);
    if (create && !QFileInfo(folder).isDir()) {
        Outcome made = CreateFolderPath(folder);
        if (!made.ok())
            return made;
    }
    return Outcome::success(folder);
}
