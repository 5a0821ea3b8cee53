#include "testing/recordingshellservices.h"

#include "core/output_folder.h"

void RecordingShellServices::opened(QStringList& record, Opening what, const QString& target)
{
    record << target;
    if (openersFail)
        messages << RecordedMessage{QStringLiteral("opener"), OpenFailureMessage(what, target)};
}

void RecordingShellServices::openWebAddress(QWidget*, const QString& address)
{
    opened(webAddresses, Opening::WebAddress, address);
}

void RecordingShellServices::openInTextViewer(QWidget*, const QString& path)
{
    opened(textViewerPaths, Opening::Report, path);
}

void RecordingShellServices::openRichTextDocument(QWidget*, const QString& path)
{
    opened(richTextPaths, Opening::LicenseDocument, path);
}

QString RecordingShellServices::appFolder() const
{
    return appFolderPath;
}

QString RecordingShellServices::documentsFolder() const
{
    return documentsFolderPath;
}

Outcome RecordingShellServices::outputFolder(bool create)
{
    return OutputFolder(documentsFolderPath, create);
}

void RecordingShellServices::showMessage(QWidget*, const QString& title, const QString& text)
{
    messages << RecordedMessage{title, text};
}

bool RecordingShellServices::askYesNo(QWidget*, const QString& title, const QString& question)
{
    questions << RecordedMessage{title, question};
    return yesAnswer;
}

ShellServices::SaveChoice RecordingShellServices::askSaveChanges(QWidget*, const QString& title,
                                                                 const QString& question)
{
    questions << RecordedMessage{title, question};
    return saveChoice;
}

QString RecordingShellServices::chooseFileToOpen(QWidget*, const QString& title, const QString&,
                                                 const QString&)
{
    choosers << title;
    return chosenFiles.isEmpty() ? QString() : chosenFiles.takeFirst();
}

QString RecordingShellServices::chooseFileToSave(QWidget*, const QString& title, const QString&,
                                                 const QString&)
{
    choosers << title;
    return chosenFiles.isEmpty() ? QString() : chosenFiles.takeFirst();
}
