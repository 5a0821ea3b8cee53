#pragma once

// The promotional pane behind the fourth tab. In: the program's folder (for the three
// images) from the services. Out: the composed page, and the maker's addresses handed
// to the services when a link is activated.
//
// Order of events: nothing is loaded at creation. The first show loads the browser
// plugin (a Qt WebEngine view, wbFerol) from beside the program; where it is missing or
// refuses to load, or the engine may not start here (BrowserEngineMayStart), a
// QTextBrowser (txtFerol) shows the same page instead, as it does from the moment the
// engine's page process dies. The rest of the program never notices. The browser
// loads the blank document and, once that load has finished, runs the page script on
// it; pageComposed follows. Every navigation request and new-window request goes
// through DecideNavigation: web addresses to the services unchanged, the blank document
// loads, the rest is refused, so the page never changes. The browser covers the pane
// less the design margins, following every resize one for one.

#include "core/tabpanel.h"
#include "webpane/panebrowser.h"

#include <QStringList>

#include <cstdint>

class ShellServices;

class ucFerol : public TabPanel, private PaneBrowserHost
{
    Q_OBJECT

public:
    // Looks for the browser plugin in DefaultPluginFolders().
    explicit ucFerol(ShellServices& services, QWidget* parent = nullptr);
    // Looks for the browser plugin in these folders, in order.
    ucFerol(ShellServices& services, QStringList pluginFolders, QWidget* parent = nullptr);

    QSize sizeHint() const override;

    // The program's folder, then the installed plugin folder relative to it.
    static QStringList DefaultPluginFolders();

signals:
    // The page is in the browser (either kind).
    void pageComposed();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void UserControl_Initialize();
    void UserControl_Resize();
    QWidget* loadPluginBrowser();
    QWidget* makeFallbackBrowser();
    void showBrowser(QWidget* browser);

    QUrl browserDocument() const override;
    QString browserPageScript() const override;
    bool browserNavigation(const QUrl& url) override;
    void browserPageComposed() override;
    void browserFailed() override;

    ShellServices& m_services;
    const QStringList m_pluginFolders;
    // wbFerol or its fallback, made on the first show.
    QWidget* m_browser = nullptr;
};
