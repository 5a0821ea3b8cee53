#pragma once

// The promotional pane behind the fourth tab. In: the program's folder (for the three
// images) from the services. Out: the composed page, and the maker's addresses handed
// to the services when a link is activated.
//
// Order of events: nothing is loaded at creation. The first show puts the page into a
// QTextBrowser (txtFerol) at once, so the tab is drawn in that same turn of the event
// loop; pageComposed follows. Once that frame is on the screen, and where the engine may
// start here (BrowserEngineMayStart), the pane loads the browser plugin (a Qt WebEngine
// view, wbFerol) from beside the program; the view loads the blank document behind the
// text page and, once that load has finished, runs the page script on it: then the view
// takes the text page's place and pageComposed comes again. Where the plugin is missing
// or refuses to load, or the view fails before its page is composed, the text page
// stays; from the moment the engine's page process dies it comes back. The rest of the
// program never notices. Every navigation request and new-window request goes
// through DecideNavigation: web addresses to the services unchanged, the blank document
// loads, the rest is refused, so the page never changes. The browser covers the pane
// less the design margins, following every resize one for one.

#include "core/tabpanel.h"
#include "webpane/panebrowser.h"

#include <QPointer>
#include <QStringList>

#include <cstdint>

class QTextBrowser;
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
    // The page is in the browser shown (either kind).
    void pageComposed();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void UserControl_Initialize();
    void UserControl_Resize();
    void loadPluginBrowser();
    QWidget* createPluginBrowser();
    QTextBrowser* makeFallbackBrowser();
    void showBrowser(QWidget* browser);
    // next takes the shown browser's place, and its focus; the shown one goes.
    void replaceShownBrowser(QWidget* next);

    QUrl browserDocument() const override;
    QString browserPageScript() const override;
    bool browserNavigation(const QUrl& url) override;
    void browserPageComposed() override;
    void browserFailed() override;

    ShellServices& m_services;
    const QStringList m_pluginFolders;
    // wbFerol or its fallback, made on the first show.
    QWidget* m_browser = nullptr;
    // wbFerol while it composes its page behind the text page.
    QPointer<QWidget> m_pendingBrowser;
    // The text page's viewport until its first paint, after which the view loads.
    QPointer<QWidget> m_paintWatched;
};
