#pragma once

// The contract between the pane and the browser plugin it loads the first time it is
// shown. The plugin links Qt WebEngine, the program does not: the plugin knows only
// this header. The pane decides (page, navigation), the browser only does what it is
// told and reports what happens.

#include <QtPlugin>

class QString;
class QUrl;
class QWidget;

// What the pane offers the browser.
class PaneBrowserHost
{
public:
    virtual ~PaneBrowserHost() = default;

    // The blank document the browser loads and the page is composed on.
    virtual QUrl browserDocument() const = 0;

    // JavaScript that turns the loaded blank document into the page.
    virtual QString browserPageScript() const = 0;

    // Asked before the browser goes anywhere, new windows included; true lets the
    // browser load the address itself. Anything else the host has dealt with.
    virtual bool browserNavigation(const QUrl& url) = 0;

    // The page script has run on the document.
    virtual void browserPageComposed() = 0;

    // The browser cannot go on (the process that drew its page ended abnormally); the
    // host puts something else in its place and deletes it.
    virtual void browserFailed() = 0;
};

class PaneBrowserFactory
{
public:
    virtual ~PaneBrowserFactory() = default;

    // A browser widget named wbFerol that loads the blank document, runs the host's page
    // script once that load (its own, not a cancelled link's) has finished, and asks the
    // host about every navigation. Its drops and context menu are off. Creating it leaves
    // the native window of parent's top level as it is.
    virtual QWidget* createBrowser(PaneBrowserHost& host, QWidget* parent) = 0;
};

#define PaneBrowserFactory_iid "example.ferol.SubnetCalculator.PaneBrowserFactory/2"
Q_DECLARE_INTERFACE(PaneBrowserFactory, PaneBrowserFactory_iid)
