#include "webpane/ucferol.h"

#include "core/design_font.h"
#include "core/shellservices.h"
#include "core/twips.h"
#include "webpane/engine_conditions.h"
#include "webpane/gl_share_context.h"
#include "webpane/navigation_policy.h"
#include "webpane/page_composition.h"
#include "webpane/page_script.h"
#include "webpane/panetextbrowser.h"
#include "webpane/webpane_accessible_names.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QPluginLoader>
#include <QResizeEvent>
#include <QTextBrowser>
#include <QUrl>

namespace {

// The design's colour until the main window hands its own.
constexpr std::uint32_t kDesignBackColor = 0x8080FF;

// Design margins between the pane's edges and the browser, twips.
constexpr int kMarginLeft = 120;
constexpr int kMarginTop = 120;
constexpr int kMarginRight = 150;
constexpr int kMarginBottom = 165;

} // namespace

ucFerol::ucFerol(ShellServices& services, QWidget* parent)
    : ucFerol(services, DefaultPluginFolders(), parent)
{}

ucFerol::ucFerol(ShellServices& services, QStringList pluginFolders, QWidget* parent)
    : TabPanel(parent), m_services(services), m_pluginFolders(std::move(pluginFolders))
{
    setObjectName(QStringLiteral("ucFerol"));
    setFont(DesignFont());
    SetBackColor(kDesignBackColor);
}

QStringList ucFerol::DefaultPluginFolders()
{
    const QDir program(QCoreApplication::applicationDirPath());
    return {program.path(),
            QDir::cleanPath(program.filePath(QStringLiteral(FEROL_PANE_PLUGIN_RELATIVE_DIR)))};
}

QSize ucFerol::sizeHint() const
{
    return QSize(TwipsToPixels(5085), TwipsToPixels(4620));
}

void ucFerol::showEvent(QShowEvent* event)
{
    TabPanel::showEvent(event);
    // A browser costs hundreds of megabytes; a user who never opens the tab pays nothing.
    if (!m_browser)
        UserControl_Initialize();
}

bool ucFerol::eventFilter(QObject* watched, QEvent* event)
{
    // The browser's library takes a second or more to load and blocks while it does: it is
    // loaded only once the text page is on the screen, after the frame that shows it.
    if (event->type() == QEvent::Paint && watched == m_paintWatched) {
        m_paintWatched->removeEventFilter(this);
        m_paintWatched = nullptr;
        QMetaObject::invokeMethod(this, &ucFerol::loadPluginBrowser, Qt::QueuedConnection);
    }
    return TabPanel::eventFilter(watched, event);
}

void ucFerol::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    UserControl_Resize();
}

void ucFerol::UserControl_Initialize()
{
    QTextBrowser* textPage = makeFallbackBrowser();
    showBrowser(textPage);
    if (BrowserEngineMayStart(CurrentEngineConditions())) {
        m_paintWatched = textPage->viewport();
        m_paintWatched->installEventFilter(this);
    }
}

void ucFerol::showBrowser(QWidget* browser)
{
    m_browser = browser;
    ApplyAccessibleTexts(*this, kWebpaneAccessibleNames);
    UserControl_Resize();
    m_browser->show();
}

void ucFerol::replaceShownBrowser(QWidget* next)
{
    QWidget* previous = m_browser;
    const bool hadFocus = previous->isAncestorOf(QApplication::focusWidget());
    previous->hide();
    previous->deleteLater();
    showBrowser(next);
    if (hadFocus)
        m_browser->setFocus();
}

void ucFerol::UserControl_Resize()
{
    if (window() && window()->isMinimized())
        return;
    const int left = TwipsToPixels(kMarginLeft);
    const int top = TwipsToPixels(kMarginTop);
    const int newW = width() - left - TwipsToPixels(kMarginRight);
    const int newH = height() - top - TwipsToPixels(kMarginBottom);
    if (newW <= 0 || newH <= 0)
        return;
    for (QWidget* browser : {m_browser, m_pendingBrowser.data()}) {
        if (browser)
            browser->setGeometry(left, top, newW, newH);
    }
}

void ucFerol::loadPluginBrowser()
{
    if (QWidget* browser = createPluginBrowser()) {
        // Drawn behind the text page while it loads; browserPageComposed swaps it in.
        m_pendingBrowser = browser;
        UserControl_Resize();
        browser->lower();
        browser->show();
    }
}

QWidget* ucFerol::createPluginBrowser()
{
    for (const QString& folder : m_pluginFolders) {
        QPluginLoader loader(QDir(folder).filePath(QStringLiteral(FEROL_PANE_PLUGIN_NAME)));
        // The name stays empty where no plugin file is.
        if (loader.fileName().isEmpty())
            continue;
        // Before the engine's library loads: it looks for the context as it loads.
        ProvideSharedGlContext();
        // Kept loaded for the life of the process: the browser's code lives in it.
        auto* factory = qobject_cast<PaneBrowserFactory*>(loader.instance());
        if (factory)
            return factory->createBrowser(*this, this);
    }
    return nullptr;
}

QTextBrowser* ucFerol::makeFallbackBrowser()
{
    auto* browser = new PaneTextBrowser(this);
    browser->setObjectName(QStringLiteral("txtFerol"));
    browser->setOpenLinks(false);
    browser->setOpenExternalLinks(false);
    browser->setContextMenuPolicy(Qt::NoContextMenu);
    browser->setAcceptDrops(false);
    // Links work, selection does not, as in the browser's page.
    browser->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    browser->setFrameShape(QFrame::NoFrame);
    browser->document()->setDefaultStyleSheet(BodyStyleSheet());
    connect(browser, &QTextBrowser::anchorClicked, this, &ucFerol::browserNavigation);
    browser->setHtml(QStringLiteral("<html><body>%1</body></html>")
                         .arg(ComposePage(PaneImagesFromFolder(m_services.appFolder()))));
    browserPageComposed();
    return browser;
}

QUrl ucFerol::browserDocument() const
{
    return BlankDocumentUrl();
}

QString ucFerol::browserPageScript() const
{
    const QStringList fonts = DesignFontFiles();
    return PageScript(ComposePage(PaneImagesFromFolder(m_services.appFolder())),
                      fonts.isEmpty() ? QString() : FileDataAddress(fonts.first()));
}

bool ucFerol::browserNavigation(const QUrl& url)
{
    switch (DecideNavigation(url)) {
    case NavigationDecision::LoadInPane:
        return true;
    case NavigationDecision::OpenInBrowser:
        m_services.openWebAddress(this, url.toString());
        return false;
    case NavigationDecision::Refuse:
        return false;
    }
    return false;
}

void ucFerol::browserPageComposed()
{
    if (QWidget* loaded = m_pendingBrowser) {
        m_pendingBrowser = nullptr;
        replaceShownBrowser(loaded);
    }
    emit pageComposed();
}

void ucFerol::browserFailed()
{
    // A browser that fails before its page is composed was never seen: the text page stays.
    if (m_pendingBrowser) {
        m_pendingBrowser->hide();
        m_pendingBrowser->deleteLater();
        m_pendingBrowser = nullptr;
        return;
    }
    replaceShownBrowser(makeFallbackBrowser());
}
