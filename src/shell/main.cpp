#include "shell/application_setup.h"
#include "shell/desktopshellservices.h"
#include "shell/frmwelcome2.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    SetUpApplication();
    DesktopShellServices services;
    frmWelcome2 window(services);
    window.show();
    return app.exec();
}
