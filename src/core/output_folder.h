#pragma once

// Where the reports go: the documents folder's "Ferol Subnet Calculator" folder.

#include "core/outcome.h"

#include <QString>

inline constexpr char kOutputFolderName[] = "Ferol Subnet Calculator";

// documents + separator + kOutputFolderName, with the platform's separator.
QString OutputFolderPath(const QString& documents);

// Creates path level by level. Levels that already exist as folders are fine; a level
// that exists as a file, or that cannot be made, ends the work with that level's path
// and the reason in the error.
Outcome CreateFolderPath(const QString& path);

// OutputFolderPath(documents) as the value, created when create is true and it is missing.
Outcome OutputFolder(const QString& documents, bool create);
