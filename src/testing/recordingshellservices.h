#pragma once

// A ShellServices that records every call instead of leaving the process. Folders are
// whatever the caller sets (the output folder really is made below documentsFolderPath);
// questions are answered with yesAnswer or saveChoice, file choosers from chosenFiles; when
// openersFail is set, every opener tells its failure as the desktop's does, in a recorded message.
// The tests use it to see what the program asked for, the renderer and the benchmark
// to keep the desktop out of their way.

#include "core/open_failure.h"
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

    // What the caller arranges.
    QString appFolderPath;
    QString documentsFolderPath;
    bool yesAnswer = true;
    SaveChoice saveChoice = SaveChoice::Discard;
    // The choosers' answers in turn; an empty list, or an empty path, is a cancel.
    QStringList chosenFiles;
    bool openersFail = false;

    // What the code under test did.
    QStringList webAddresses;
    QStringList textViewerPaths;
    QStringList richTextPaths;
    QList<RecordedMessage> messages;
    QList<RecordedMessage> questions;
    QStringList choosers; // each chooser's title, in the order they were shown

private:
    void opened(QStringList& record, Opening what, const QString& target);
};
