#include "shell/application_setup.h"
#include "shell/desktopshellservices.h"
#include "shell/frmwelcome2.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // The promotional pane's browser plugin shares the application's GL context; Qt
    // WebEngine requires this before the application object exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    SetUpApplication();
    DesktopShellServices services;
    frmWelcome2 window(services);
    window.show();
    return app.exec();
}
