#pragma once

// The ShellServices of the running program, through Qt's portable ways to the desktop:
// DesktopOpener for addresses and documents (Notepad and WordPad through QProcess on
// Windows), QStandardPaths for the documents folder, QMessageBox for the boxes. A
// failure to open is told in a box that does not block, since it may come seconds after
// the request, while the user is doing something else.

#include "core/open_failure.h"
#include "core/shellservices.h"
#include "shell/desktop_opener.h"

class QUrl;

class DesktopShellServices : public ShellServices
{
public:
    void openWebAddress(QWidget* parent, const QString& address) override;
    void openInTextViewer(QWidget* parent, const QString& path) override;
    void openRichTextDocument(QWidget* parent, const QString& path) override;
    QString appFolder() const override;
    QString documentsFolder() const override;
    Outcome outputFolder(bool create) override;
    void showMessage(QWidget* parent, const QString& title, const QString& text) override;
    bool askYesNo(QWidget* parent, const QString& title, const QString& question) override;
    SaveChoice askSaveChanges(QWidget* parent, const QString& title,
                              const QString& question) override;
    QString chooseFileToOpen(QWidget* parent, const QString& title, const QString& start,
                             const QString& filter) override;
    QString chooseFileToSave(QWidget* parent, const QString& title, const QString& start,
                             const QString& filter) override;

private:
    void openDocument(QWidget* parent, Opening what, const QString& path);
    void open(QWidget* parent, const QUrl& url, Opening what, const QString& shown);

    DesktopOpener m_opener;
};

// folder with the platform's separators, ending in exactly one separator.
QString WithTrailingSeparator(const QString& folder);
