#pragma once

// The language the windows speak: the one named by --language, else the system's. The
// program's own catalogue is compiled in; Qt's (standard buttons, context menus, the
// text boxes' menus) comes from Qt's translation folder, so both speak the same language.
// Reports and everything written for other programs stay English whatever is chosen.

#include <QLocale>
#include <QString>

#include <memory>
#include <vector>

class QTranslator;

// The locale for a --language code ("de", "pt_BR", "zh-CN"); an empty code means the system's.
QLocale UserLocale(const QString& code);

// The catalogues there are for locale, in the order to install them: Qt's, the program's
// English one (the plural forms of the source texts), the program's one for locale. English,
// or a language without a catalogue, shows the source texts with their English plurals.
std::vector<std::unique_ptr<QTranslator>> LoadTranslations(const QLocale& locale);

// Loads the catalogues for locale and installs them on the application for its lifetime.
void InstallTranslations(const QLocale& locale);
