#include "core/design_font.h"
#include "shell/desktopshellservices.h"
#include "shell/frmwelcome2.h"
#include "shell/program_icon.h"
#include "shell/program_info.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppTitle());
    const ProgramVersion version = CompiledVersion();
    QApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(version.major).arg(version.minor).arg(version.revision));
    RegisterDesignFonts();
    QApplication::setFont(DesignFont());
    // Every window, the message boxes included, takes this icon unless it sets its own.
    QApplication::setWindowIcon(ProgramIcon());

    DesktopShellServices services;
    frmWelcome2 window(services);
    window.show();
    return app.exec();
}
