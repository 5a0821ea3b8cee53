#include "webpane/webenginepaneplugin.h"

#include "webpane/panewebview.h"

QWidget* WebEnginePanePlugin::createBrowser(PaneBrowserHost& host, QWidget* parent)
{
    return new PaneWebView(host, parent);
}
