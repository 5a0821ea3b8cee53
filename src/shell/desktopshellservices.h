#pragma once

// The ShellServices of the running program, through Qt's portable ways to the desktop:
// QDesktopServices for addresses and documents, QStandardPaths for the documents
// folder, QProcess for the text viewer on Windows, QMessageBox for the modal boxes.

#include "core/shellservices.h"

class DesktopShellServices : public ShellServices
{
public:
    void openWebAddress(const QString& address) override;
    ServiceResult openInTextViewer(const QString& path) override;
    ServiceResult openRichTextDocument(const QString& path) override;
    QString appFolder() const override;
    QString documentsFolder() const override;
    FolderResult outputFolder(bool create) override;
    void showMessage(QWidget* parent, const QString& title, const QString& text) override;
    bool askYesNo(QWidget* parent, const QString& title, const QString& question) override;
};

// folder with the platform's separators, ending in exactly one separator.
QString WithTrailingSeparator(const QString& folder);
