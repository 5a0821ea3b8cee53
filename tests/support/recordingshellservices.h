#pragma once

// A ShellServices that records every call instead of leaving the process. Folders are
// whatever the test sets (the output folder really is made below documentsFolderPath);
// questions are answered with yesAnswer; viewers fail with the error the test sets.

#include "core/output_folder.h"
#include "core/shellservices.h"

#include <QList>
#include <QStringList>

struct RecordedMessage
{
    QString title;
    QString text;
};

class RecordingShellServices : public ShellServices
{
public:
    void openWebAddress(const QString& address) override { webAddresses << address; }
    ServiceResult openInTextViewer(const QString& path) override
    {
        textViewerPaths << path;
        return {textViewerError};
    }
    ServiceResult openRichTextDocument(const QString& path) override
    {
        richTextPaths << path;
        return {richTextError};
    }
    QString appFolder() const override { return appFolderPath; }
    QString documentsFolder() const override { return documentsFolderPath; }
    FolderResult outputFolder(bool create) override
    {
        return OutputFolder(documentsFolderPath, create);
    }
    void showMessage(QWidget*, const QString& title, const QString& text) override
    {
        messages << RecordedMessage{title, text};
    }
    bool askYesNo(QWidget*, const QString& title, const QString& question) override
    {
        questions << RecordedMessage{title, question};
        return yesAnswer;
    }

    // What the test arranges.
    QString appFolderPath;
    QString documentsFolderPath;
    bool yesAnswer = true;
    QString textViewerError;
    QString richTextError;

    // What the code under test did.
    QStringList webAddresses;
    QStringList textViewerPaths;
    QStringList richTextPaths;
    QList<RecordedMessage> messages;
    QList<RecordedMessage> questions;
};
