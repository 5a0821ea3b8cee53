#include "testing/recordingshellservices.h"

#include "core/output_folder.h"

void RecordingShellServices::openWebAddress(const QString& address)
{
    webAddresses << address;
}

ServiceResult RecordingShellServices::openInTextViewer(const QString& path)
{
    textViewerPaths << path;
    return {textViewerError};
}

ServiceResult RecordingShellServices::openRichTextDocument(const QString& path)
{
    richTextPaths << path;
    return {richTextError};
}

QString RecordingShellServices::appFolder() const
{
    return appFolderPath;
}

QString RecordingShellServices::documentsFolder() const
{
    return documentsFolderPath;
}

FolderResult RecordingShellServices::outputFolder(bool create)
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
