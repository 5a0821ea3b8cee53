#include "webpane/webenginepaneplugin.h"

#include "webpane/panewebview.h"

#include <QQuickWindow>
#include <QSGRendererInterface>

QWidget* WebEnginePanePlugin::createBrowser(PaneBrowserHost& host, QWidget* parent)
{
    // Composed in software: a view drawn through OpenGL makes Qt re-create the top-level
    // window's native window as a GL surface, which unmaps it, shows it black for up to
    // seconds, drops keys typed meanwhile and forgets a maximised state. It must be asked
    // before the first view exists; software is ample for a static page, and the engine
    // then needs no GL at all.
    if (QQuickWindow::graphicsApi() != QSGRendererInterface::Software)
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    return new PaneWebView(host, parent);
}
