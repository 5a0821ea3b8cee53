#include "shell/desktopshellservices.h"

#include "core/output_folder.h"
#include "shell/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// A box over parent that does not wait for the user; its text can be selected and
// copied, the path in it above all.
void TellFailure(QWidget* parent, const QString& text)
{
    auto* box = new QMessageBox(QMessageBox::Warning, QCoreApplication::applicationName(), text,
                                QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->open();
}

#ifdef Q_OS_WIN
// Windows: reports open maximized in Notepad, rich text in WordPad (write.exe is its
// launcher on the search path). QProcess quotes a path with blanks as one argument.
bool StartWindowsViewer(Opening what, const QString& nativePath)
{
    QProcess process;
    process.setProgram(what == Opening::Report ? QStringLiteral("notepad.exe")
                                               : QStringLiteral("write.exe"));
    process.setArguments({nativePath});
    if (what == Opening::Report) {
        process.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments* args) {
            args->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
            args->startupInfo->wShowWindow = SW_SHOWMAXIMIZED;
        });
    }
    return process.startDetached();
}
#endif

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

void DesktopShellServices::open(QWidget* parent, const QUrl& url, Opening what,
                                const QString& shown)
{
    // The box goes over the window that asked, unless it has gone meanwhile.
    const QPointer<QWidget> owner(parent);
    m_opener.open(
        url, [owner, what, shown] { TellFailure(owner.data(), OpenFailureMessage(what, shown)); });
}

void DesktopShellServices::openDocument(QWidget* parent, Opening what, const QString& path)
{
    const QString nativePath = QDir::toNativeSeparators(path);
    if (!QFileInfo(path).isFile()) {
        TellFailure(
            parent,
            QCoreApplication::translate("ReportFile", R"("%1" does not exist.)").arg(nativePath));
        return;
    }
#ifdef Q_OS_WIN
    // Where the viewer cannot start (WordPad no longer ships everywhere), the application
    // registered for the file's type takes over.
    if (StartWindowsViewer(what, nativePath))
        return;
#endif
    open(parent, QUrl::fromLocalFile(QDir::fromNativeSeparators(path)), what, nativePath);
}

void DesktopShellServices::openWebAddress(QWidget* parent, const QString& address)
{
    open(parent, QUrl(address), Opening::WebAddress, address);
}

void DesktopShellServices::openInTextViewer(QWidget* parent, const QString& path)
{
    openDocument(parent, Opening::Report, path);
}

void DesktopShellServices::openRichTextDocument(QWidget* parent, const QString& path)
{
    openDocument(parent, Opening::LicenseDocument, path);
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

Outcome DesktopShellServices::outputFolder(bool create)
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

ShellServices::SaveChoice
DesktopShellServices::askSaveChanges(QWidget* parent, const QString& title, const QString& question)
{
    QMessageBox box(QMessageBox::Warning, title, question,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveChoice::Save;
    case QMessageBox::Discard:
        return SaveChoice::Discard;
    default:
        return SaveChoice::Cancel;
    }
}

QString DesktopShellServices::chooseFileToOpen(QWidget* parent, const QString& title,
                                               const QString& start, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, title, start, filter);
}

QString DesktopShellServices::chooseFileToSave(QWidget* parent, const QString& title,
                                               const QString& start, const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, title, start, filter);
}
