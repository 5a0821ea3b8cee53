#pragma once

// Where the program's own files lie (the license document, the pane's images). A
// program run from its build tree, or on Windows, keeps them beside the executable; an
// installed Unix program keeps them in the data folder, reached from the executable's
// folder by a relative path, so a moved installation still finds them.

#include <QString>
#include <QStringList>

// The data folder when dataFromExecutable leads from executableFolder to an existing
// folder, else executableFolder itself. Without a trailing separator.
QString ProgramFolder(const QString& executableFolder, const QString& dataFromExecutable);

// ProgramFolder for this build's installed layout.
QString ProgramFolder(const QString& executableFolder);

// The names of the program's own files this build ships.
QStringList ProgramFileNames();

// Those of fileNames that are not files in folder.
QStringList MissingFiles(const QString& folder, const QStringList& fileNames);
