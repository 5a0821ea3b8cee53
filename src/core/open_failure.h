#pragma once

// What the user reads when no program could open something the program handed to the
// desktop. Each message names what could not be opened, as text the user can select
// and copy: a report's full path (it was saved all the same), the license document's
// path, a web address.

#include <QString>

enum class Opening
{
    Report,
    LicenseDocument, // the one rich-text document the program opens
    WebAddress,
};

QString OpenFailureMessage(Opening what, const QString& target);
