#include "webpane/panewebview.h"

#include "webpane/panebrowser.h"

#include <QChildEvent>
#include <QDragEnterEvent>
#include <QPointer>
#include <QWebEngineNewWindowRequest>

PaneWebPage::PaneWebPage(PaneBrowserHost& host, QObject* parent)
    : QWebEnginePage(parent), m_host(host)
{
    connect(this, &QWebEnginePage::newWindowRequested, this, &PaneWebPage::handleNewWindowRequest);
}

bool PaneWebPage::acceptNavigationRequest(const QUrl& url, NavigationType, bool)
{
    return m_host.browserNavigation(url);
}

void PaneWebPage::handleNewWindowRequest(QWebEngineNewWindowRequest& request)
{
    // Not calling openIn() discards the window, whatever the host decides.
    m_host.browserNavigation(request.requestedUrl());
}

PaneWebView::PaneWebView(PaneBrowserHost& host, QWidget* parent)
    : QWebEngineView(parent), m_host(host)
{
    setObjectName(QStringLiteral("wbFerol"));
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setPage(new PaneWebPage(host, this));
    connect(this, &QWebEngineView::loadFinished, this, &PaneWebView::handleLoadFinished);
    connect(page(), &QWebEnginePage::renderProcessTerminated, this,
            &PaneWebView::handleRenderProcessEnd);
    loadBlankDocument();
}

void PaneWebView::dragEnterEvent(QDragEnterEvent* event)
{
    event->ignore();
}

void PaneWebView::childEvent(QChildEvent* event)
{
    // The engine draws into a child widget it makes itself, which accepts drops.
    if (event->added() && event->child()->isWidgetType())
        static_cast<QWidget*>(event->child())->setAcceptDrops(false);
    QWebEngineView::childEvent(event);
}

void PaneWebView::loadBlankDocument()
{
    m_blankLoadPending = true;
    load(m_host.browserDocument());
}

void PaneWebView::handleLoadFinished(bool ok)
{
    if (!ok)
        return; // a refused request; the document is still ours
    if (!m_blankLoadPending || url() != m_host.browserDocument()) {
        // Something the host never asked for replaced the document (the engine turns
        // requests it blocks itself into about:blank#blocked): build the page again.
        if (!m_blankLoadPending)
            loadBlankDocument();
        return;
    }
    m_blankLoadPending = false;
    // A page deleted before the script ends still calls back; by then the pane is gone.
    const QPointer<PaneWebView> self(this);
    page()->runJavaScript(m_host.browserPageScript(), [self](const QVariant&) {
        if (self)
            self->m_host.browserPageComposed();
    });
}

void PaneWebView::handleRenderProcessEnd(QWebEnginePage::RenderProcessTerminationStatus status)
{
    if (status != QWebEnginePage::NormalTerminationStatus)
        m_host.browserFailed();
}
