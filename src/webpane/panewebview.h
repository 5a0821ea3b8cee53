#pragma once

// The pane's Qt WebEngine browser, wbFerol, living in the browser plugin. It loads the
// blank document itself and composes the page only when that load succeeds: a
// cancelled link click also ends in a finished (failed) load of the blank document,
// and the page must not be rebuilt for it. Navigation requests and new-window requests
// (target "_blank", window.open) both go to the host, and no new window ever opens.
// Should the engine replace the document on its own, the view builds the page again;
// should the process that draws the page end abnormally, the host takes over.

#include <QWebEnginePage>
#include <QWebEngineView>

class PaneBrowserHost;
class QWebEngineNewWindowRequest;

class PaneWebPage : public QWebEnginePage
{
    Q_OBJECT

public:
    PaneWebPage(PaneBrowserHost& host, QObject* parent);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;

private:
    void handleNewWindowRequest(QWebEngineNewWindowRequest& request);

    PaneBrowserHost& m_host;
};

class PaneWebView : public QWebEngineView
{
    Q_OBJECT

public:
    PaneWebView(PaneBrowserHost& host, QWidget* parent);

protected:
    // A dropped address would replace the page.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void childEvent(QChildEvent* event) override;

private:
    void loadBlankDocument();
    void handleLoadFinished(bool ok);
    void handleRenderProcessEnd(QWebEnginePage::RenderProcessTerminationStatus status);

    PaneBrowserHost& m_host;
    bool m_blankLoadPending = false;
};
