#pragma once

// Everything that leaves the process: the desktop (web addresses, documents, the text
// viewer), the folders the program reads and writes, and the modal boxes that ask the
// user something. Panels and windows receive a ShellServices& from their owner; the
// program passes the desktop implementation, tests a recording fake, so no test opens
// a window outside the process or blocks on a modal box.

#include "core/outcome.h"

#include <QString>

class QWidget;

class ShellServices
{
public:
    virtual ~ShellServices() = default;

    // The openers return at once and never wait for the program they start. When no
    // program can open what they were given, whether that shows at once or a few seconds
    // later, they tell the user so (OpenFailureMessage) in a box over parent, or over
    // nothing once parent is gone; success stays silent.

    // Opens a web address in the user's default browser.
    virtual void openWebAddress(QWidget* parent, const QString& address) = 0;

    // Opens a report in the text viewer (Notepad on Windows, the desktop's default
    // application for text files elsewhere).
    virtual void openInTextViewer(QWidget* parent, const QString& path) = 0;

    // Opens a rich-text document (WordPad on Windows, the default application elsewhere).
    virtual void openRichTextDocument(QWidget* parent, const QString& path) = 0;

    // The folder of the program's own files (beside the executable, or the installed
    // data folder), ending in exactly one separator.
    virtual QString appFolder() const = 0;

    // The user's documents folder, empty when the desktop does not know one.
    virtual QString documentsFolder() const = 0;

    // The documents folder's "Ferol Subnet Calculator" folder, without a trailing
    // separator; created level by level when create is true and it is missing.
    virtual Outcome outputFolder(bool create) = 0;

    // A message box with an OK button only and no icon.
    virtual void showMessage(QWidget* parent, const QString& title, const QString& text) = 0;

    // A Yes/No question with the question icon; true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& title, const QString& question) = 0;

    // Unsaved work before it would be lost: keep it, let it go, or stop.
    enum class SaveChoice
    {
        Save,
        Discard,
        Cancel,
    };
    virtual SaveChoice askSaveChanges(QWidget* parent, const QString& title,
                                      const QString& question) = 0;

    // The desktop's file choosers: the path chosen, empty when the user cancelled.
    // filter is in the chooser's form ("Plans (*.ferolplan)"); start is a folder or a
    // suggested file.
    virtual QString chooseFileToOpen(QWidget* parent, const QString& title, const QString& start,
                                     const QString& filter) = 0;
    virtual QString chooseFileToSave(QWidget* parent, const QString& title, const QString& start,
                                     const QString& filter) = 0;
};
