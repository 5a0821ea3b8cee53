#pragma once

// A ShellServices that records every call instead of leaving the process. Folders are
// whatever the test sets; message boxes are recorded and answered with yesAnswer.

#include "core/shellservices.h"

#include <QString>
#include <QStringList>

struct RecordedMessage
{
    QString title;
    QString text;
};

class RecordingShellServices : public ShellServices
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
