#pragma once

// The entry of the browser plugin: the one object QPluginLoader creates.

#include "webpane/panebrowser.h"

#include <QObject>

class WebEnginePanePlugin : public QObject, public PaneBrowserFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PaneBrowserFactory_iid)
    Q_INTERFACES(PaneBrowserFactory)

public:
    QWidget* createBrowser(PaneBrowserHost& host, QWidget* parent) override;
};
