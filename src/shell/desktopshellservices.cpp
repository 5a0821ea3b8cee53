#include "shell/desktopshellservices.h"

#include "core/output_folder.h"
#include "shell/program_folder.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

enum class Viewer
{
    PlainText,
    RichText
};

// Starts the program that shows a document of this kind and does not wait for it.
bool StartViewer(Viewer viewer, const QString& path)
{
    const QString nativePath = QDir::toNativeSeparators(path);
#ifdef Q_OS_WIN
    // Windows: reports open maximized in Notepad, rich text in WordPad (write.exe is its
    // launcher on the search path). QProcess quotes a path with blanks as one argument.
    // Where WordPad no longer ships, the application registered for .rtf takes over.
    QProcess process;
    process.setProgram(viewer == Viewer::PlainText ? QStringLiteral("notepad.exe")
                                                   : QStringLiteral("write.exe"));
    process.setArguments({nativePath});
    if (viewer == Viewer::PlainText) {
        process.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments* args) {
            args->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
            args->startupInfo->wShowWindow = SW_SHOWMAXIMIZED;
        });
    }
    if (process.startDetached())
        return true;
    return viewer == Viewer::RichText && QDesktopServices::openUrl(QUrl::fromLocalFile(path));
#else
    // Elsewhere: the desktop's default application for the file's type.
    Q_UNUSED(viewer);
    Q_UNUSED(nativePath);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
#endif
}

ServiceResult OpenDocument(Viewer viewer, const QString& path)
{
    const QString nativePath = QDir::toNativeSeparators(path);
    if (!QFileInfo(path).isFile())
        return ServiceResult::failure(QStringLiteral("\"%1\" does not exist.").arg(nativePath));
    if (!StartViewer(viewer, path))
        return ServiceResult::failure(
            QStringLiteral("No program could be started to show \"%1\".").arg(nativePath));
    return ServiceResult::success();
}

} // namespace

QString WithTrailingSeparator(const QString& folder)
{
    if (folder.isEmpty())
        return {};
    QString path = QDir::fromNativeSeparators(folder);
    while (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return QDir::toNativeSeparators(path + QLatin1Char('/'));
}

void DesktopShellServices::openWebAddress(const QString& address)
{
    QDesktopServices::openUrl(QUrl(address));
}

ServiceResult DesktopShellServices::openInTextViewer(const QString& path)
{
    return OpenDocument(Viewer::PlainText, path);
}

ServiceResult DesktopShellServices::openRichTextDocument(const QString& path)
{
    return OpenDocument(Viewer::RichText, path);
}

QString DesktopShellServices::appFolder() const
{
    return WithTrailingSeparator(ProgramFolder(QCoreApplication::applicationDirPath()));
}

QString DesktopShellServices::documentsFolder() const
{
    return QDir::toNativeSeparators(
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

FolderResult DesktopShellServices::outputFolder(bool create)
{
    return OutputFolder(documentsFolder(), create);
}

void DesktopShellServices::showMessage(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

bool DesktopShellServices::askYesNo(QWidget* parent, const QString& title, const QString& question)
{
    QMessageBox box(QMessageBox::Question, title, question, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}
