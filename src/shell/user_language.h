#pragma once

// The language the windows speak: the one named by --language, else the system's. The
// program's own catalogue is compiled in; Qt's (standard buttons, context menus, the
// text boxes' menus) comes from Qt's translation folder, so both speak the same language.
// Reports and everything written for other programs stay English whatever is chosen.

#include <QLocale>
#include <QString>

// The locale for a --language code ("de", "pt_BR", "zh-CN"); an empty code means the system's.
QLocale UserLocale(const QString& code);

// Installs the program's and Qt's catalogues for locale on the application. English, or a
// language without a catalogue, installs nothing and the source texts show.
void InstallTranslations(const QLocale& locale);
