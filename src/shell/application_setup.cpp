#include "shell/application_setup.h"

#include "core/design_font.h"
#include "core/user_language.h"
#include "shell/program_icon.h"
#include "shell/program_info.h"

#include <QApplication>

void SetUpApplication(const QString& language)
{
    InstallTranslations(UserLocale(language));
    QApplication::setApplicationName(AppTitle());
    QApplication::setApplicationVersion(CompiledVersion().toString());
    RegisterDesignFonts();
    QApplication::setFont(DesignFont());
    // Every window, the message boxes included, takes this icon unless it sets its own.
    QApplication::setWindowIcon(ProgramIcon());
    // Lets the desktop match the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(DesktopFileName());
}
