// Every test sees the windows as an English user does: the program installs its English
// catalogue, which gives the texts with a count their singular and plural ("1 network",
// "5 networks"), and so does every test as soon as its application exists. A test that
// installs a catalogue of its own later still has the last word.

#include "core/user_language.h"

#include <QCoreApplication>

namespace {

void InstallEnglishTexts()
{
    InstallTranslations(QLocale(QLocale::English));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallEnglishTexts)
