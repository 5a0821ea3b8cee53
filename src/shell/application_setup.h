#pragma once

// What every process that shows the program's windows sets up first: its name and
// version, the language its windows speak, the design font, the icon every window takes
// and the desktop entry it belongs to.

#include <QString>

// language is a --language code; empty means the system's language.
void SetUpApplication(const QString& language = {});
