#include "shell/frmwelcome2.h"

#include "core/design_font.h"
#include "core/maker_links.h"
#include "core/shellservices.h"
#include "core/stored_pixels.h"
#include "core/tabpanel.h"
#include "core/twips.h"
#include "decimal/ucdecimalcalc.h"
#include "ipv6/ucipv6calc.h"
#include "planner/plancommandbar.h"
#include "planner/ucplanner.h"
#include "shell/frmabout.h"
#include "shell/pagefirstmenubar.h"
#include "shell/program_icon.h"
#include "shell/program_info.h"
#include "shell/window_accessible_names.h"
#include "subnet/ucsubnetcalc.h"
#include "webpane/ucferol.h"
#include "wildcard/ucwildcardchecker.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollArea>
#include <QShowEvent>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

const QString kSubnetKey = QStringLiteral("SubnetMaskCalc");
const QString kWildcardKey = QStringLiteral("WildcardMaskCkr");
const QString kDecimalKey = QStringLiteral("DecimalIpCalc");
const QString kIpv6Key = QStringLiteral("Ipv6Calc");
const QString kPlannerKey = QStringLiteral("Planner");
const QString kFerolKey = QStringLiteral("Ferol");

// Design lengths, twips.
constexpr int kTabStripLeft = 120;
constexpr int kTabStripTop = 1920;
constexpr int kDesignClientWidth = 9585;
// The window opens this much taller than its minimum, and the tab strip with it.
constexpr int kGrowth = 800;
// Below the tab strip the client area keeps the margin it has at the sides.
constexpr int kBottomMargin = kTabStripLeft;
// How long a window manager may take to frame a newly mapped window.
constexpr int kFrameSettleMs = 300;

// Left edge that centres a width inside another; halves go to the even pixel.
int CentredLeft(int outerWidth, int innerWidth)
{
    return static_cast<int>(std::nearbyint((outerWidth - innerWidth) / 2.0));
}

QAction* MakeAction(QMenu* menu, const char* name, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

QMenu* MakeMenu(QWidget* parent, const char* name, const QString& caption)
{
    auto* menu = new QMenu(caption, parent);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

} // namespace

frmWelcome2::frmWelcome2(ShellServices& services, QWidget* parent)
    : QMainWindow(parent), m_services(services)
{
    setObjectName(QStringLiteral("frmWelcome2"));
    setWindowTitle(AppTitle());
    setWindowIcon(ProgramIcon());
    setFont(DesignFont());

    // On a screen too small for the design the client area keeps its designed minimum and
    // scrolls; at the designed size and above the scroll area is invisible.
    auto* clientScroller = new QScrollArea(this);
    clientScroller->setObjectName(QStringLiteral("clientScroller"));
    clientScroller->setFrameShape(QFrame::NoFrame);
    clientScroller->setFocusPolicy(Qt::NoFocus);
    clientScroller->setWidgetResizable(true);
    m_client = new QWidget;
    m_client->setObjectName(QStringLiteral("clientArea"));
    clientScroller->setWidget(m_client);
    setCentralWidget(clientScroller);

    picFerolLogo = new QLabel(m_client);
    picFerolLogo->setObjectName(QStringLiteral("picFerolLogo"));
    picFerolLogo->setPixmap(LoadStoredPixmap(QStringLiteral(":/images/banner.pixels")));
    picFerolLogo->setGeometry(TwipsRect(165, 120, 9255, 1350));
    picFerolLogo->setFocusPolicy(Qt::NoFocus);
    picFerolLogo->setCursor(Qt::PointingHandCursor);

    TabStrip1 = new QTabWidget(m_client);
    TabStrip1->setObjectName(QStringLiteral("TabStrip1"));

    ucSubnetCalc1 = new ucSubnetCalc(m_services);
    ucSubnetCalc1->setObjectName(QStringLiteral("ucSubnetCalc1"));
    // The tabs behind the first make their controls when first shown.
    ucWildCardChecker1 = new ucWildCardChecker(m_services, nullptr, TabPanel::Build::WhenShown);
    ucWildCardChecker1->setObjectName(QStringLiteral("ucWildCardChecker1"));
    ucDecimalCalc21 = new ucDecimalCalc(nullptr, TabPanel::Build::WhenShown);
    ucDecimalCalc21->setObjectName(QStringLiteral("ucDecimalCalc21"));
    ucIpv6Calc1 = new ucIpv6Calc(m_services, nullptr, TabPanel::Build::WhenShown);
    ucIpv6Calc1->setObjectName(QStringLiteral("ucIpv6Calc1"));
    ucPlanner1 = new ucPlanner(nullptr, TabPanel::Build::WhenShown);
    ucPlanner1->setObjectName(QStringLiteral("ucPlanner1"));
    m_planCommands = new PlanCommandBar(ucPlanner1->document(), m_services, ucPlanner1);
    ucPlanner1->setCommandRow(m_planCommands);
    ucFerol1 = new ucFerol(m_services);
    ucFerol1->setObjectName(QStringLiteral("ucFerol1"));

    const struct
    {
        TabPanel* panel;
        QString caption;
        QString key;
    } tabs[] = {
        {ucSubnetCalc1, tr("Subnet Mask Calculator"), kSubnetKey},
        {ucWildCardChecker1, tr("Wildcard Mask Checker"), kWildcardKey},
        {ucDecimalCalc21, tr("Decimal IP Calculator"), kDecimalKey},
        {ucIpv6Calc1, tr("IPv6 Calculator"), kIpv6Key},
        {ucPlanner1, tr("Planner"), kPlannerKey},
        {ucFerol1, QStringLiteral("Ferol"), kFerolKey},
    };
    for (const auto& tab : tabs) {
        const int index = TabStrip1->addTab(tab.panel, tab.caption);
        TabStrip1->tabBar()->setTabData(index, tab.key);
    }
    TabStrip1->setCurrentIndex(0);
    ApplyAccessibleTexts(*this, kWindowAccessibleNames);

    setMenuBar(new PageFirstMenuBar([this] { return TabStrip1->currentWidget(); }, this));
    buildMenus();
    placeAtCreation();

    m_client->installEventFilter(this);
    picFerolLogo->installEventFilter(this);
    connect(TabStrip1, &QTabWidget::currentChanged, this, &frmWelcome2::TabStrip1_Click);
    // The session manager's end of the session reaches the application as a request to
    // quit, which closes every window; a checkpoint or a cancelled logout never does.
    QCoreApplication::instance()->installEventFilter(this);

    ShowTab(false);
    // The window opens ready for an address: the first digits typed are its first octet.
    ucSubnetCalc1->focusHostAddress();
}

void frmWelcome2::buildMenus()
{
    mnuFile = MakeMenu(this, "mnuFile", tr("&File"));
    m_openMenu = MakeMenu(mnuFile, "cmdOpen", tr("Open"));
    mnuSubnetCalc = MakeAction(m_openMenu, "mnuSubnetCalc", tr("&Subnet Mask Calculator"));
    mnuWildChecker = MakeAction(m_openMenu, "mnuWildChecker", tr("&Wildcard Mask Checker"));
    mnuDecIpCalc = MakeAction(m_openMenu, "mnuDecIpCalc", tr("&Decimal IP Calculator"));
    mnuFile->addMenu(m_openMenu);
    // Shown greyed rather than hidden: the three items beneath it have no action.
    m_openMenu->menuAction()->setEnabled(false);
    mnuExit = MakeAction(mnuFile, "mnuExit", tr("E&xit"));

    mnuMore = MakeMenu(this, "mnuMore", tr("&More"));
    mnuLumbraDemo =
        MakeAction(mnuMore, "mnuLumbraDemo", tr("Free &Lumbra Demo (Network Simulator)"));
    mnuOrvatDemo = MakeAction(mnuMore, "mnuOrvatDemo", tr("Free &Orvat Demos (Practice Exams)"));
    mnuFreeUtils = MakeAction(mnuMore, "mnuFreeUtils", tr("Ferol's Free &Utilities"));

    mnuHelp = MakeMenu(this, "mnuHelp", tr("&Help"));
    mnuFerolOnline = MakeAction(mnuHelp, "mnuFerolOnline", tr("&Ferol Home Page"));
    mnuContactUs = MakeAction(mnuHelp, "mnuContactUs", tr("&Contact Us"));
    mnuHelpSep1 = mnuHelp->addSeparator();
    mnuHelpSep1->setObjectName(QStringLiteral("mnuHelpSep1"));
    mnuAbout = MakeAction(mnuHelp, "mnuAbout", tr("&About Subnet Calculator"));

    menuBar()->addMenu(mnuFile);
    menuBar()->addMenu(mnuMore);
    menuBar()->addMenu(mnuHelp);

    connect(mnuExit, &QAction::triggered, this, &QWidget::close);
    const struct
    {
        QAction* item;
        const char* path;
    } webItems[] = {
        {mnuLumbraDemo, "/AboutLumbra.html"},  {mnuOrvatDemo, "/AboutOrvat.html"},
        {mnuFreeUtils, "/FreeUtilities.html"}, {mnuFerolOnline, ""},
        {mnuContactUs, "/ContactUs.html"},
    };
    for (const auto& web : webItems) {
        const QString path = QLatin1String(web.path);
        connect(web.item, &QAction::triggered, this, [this, path] { openMakerPage(path); });
    }
    connect(mnuAbout, &QAction::triggered, this, &frmWelcome2::mnuAbout_Click);
}

void frmWelcome2::placeAtCreation()
{
    // Outer and client size: the frame (title bar, borders) belongs to the window
    // manager, and Qt neither knows it before the window is mapped nor can bound it, so
    // the minimum holds on the window without its frame: 645 pixels wide, and as high
    // as the menu bar plus a client area in which the tab strip is exactly as tall as
    // the tallest calculator panel, with the side margin below it. The window opens
    // 800 twips higher than that, the tab strip with it.
    const int tallestPanel =
        TwipsToPixels(std::max({kDecimalPanelHeight, kSubnetPanelHeight, kWildcardPanelHeight}));
    const int growth = TwipsToPixels(kGrowth);
    const int tabLeft = TwipsToPixels(kTabStripLeft);
    const int tabTop = TwipsToPixels(kTabStripTop);
    const int minClientHeight = tabTop + tallestPanel + TwipsToPixels(kBottomMargin);
    const int menuHeight = menuBar()->sizeHint().height();

    const int minTrackHeight = menuHeight + minClientHeight;
    m_client->setMinimumSize(minTrackWidth, minClientHeight);

    const int clientWidth = std::max(TwipsToPixels(kDesignClientWidth), minTrackWidth);
    const int clientHeight = minClientHeight + growth;
    lastScaleHeight = clientHeight;
    TabStrip1->setGeometry(tabLeft, tabTop, clientWidth - 2 * tabLeft, tallestPanel + growth);
    picFerolLogo->move(CentredLeft(clientWidth, picFerolLogo->width()), picFerolLogo->y());

    const QSize windowSize(clientWidth, menuHeight + clientHeight);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        setMinimumSize(minTrackWidth, minTrackHeight);
        resize(windowSize);
        return;
    }
    // Before the window is mapped its frame is unknown; a title bar's height stands in for
    // it until fitFrameOnScreen knows better.
    const int titleAllowance = style()->pixelMetric(QStyle::PM_TitleBarHeight) +
                               2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    const QRect room = screen->availableGeometry().adjusted(0, 0, 0, -titleAllowance);
    setMinimumSize(QSize(minTrackWidth, minTrackHeight).boundedTo(room.size()));
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter,
                                    fittedSize(windowSize, room.size()), room));
}

QSize frmWelcome2::fittedSize(QSize wanted, QSize room) const
{
    QSize size = wanted.boundedTo(room);
    // A client area that scrolls up and down gets the room for its scroll bar beside it, where
    // the screen has that room, so that it does not scroll sideways as well.
    if (size.height() - menuBar()->sizeHint().height() < m_client->minimumHeight())
        size.setWidth(std::max(size.width(), m_client->minimumWidth() +
                                                 style()->pixelMetric(QStyle::PM_ScrollBarExtent)));
    return size.boundedTo(room);
}

void frmWelcome2::fitFrameOnScreen()
{
    const QScreen* onScreen = screen();
    if (!onScreen || isMaximized() || isFullScreen())
        return;
    const QRect available = onScreen->availableGeometry();
    const QRect frame = frameGeometry();
    if (available.contains(frame))
        return;
    const QSize frameExtra = frame.size() - size();
    const QSize room = available.size() - frameExtra;
    if (minimumWidth() > room.width() || minimumHeight() > room.height())
        setMinimumSize(minimumSize().boundedTo(room));
    resize(fittedSize(size(), room));
    // A frame that is still too large for the screen keeps its title bar on it.
    const QSize fitted = size() + frameExtra;
    const int left = std::clamp(frame.x(), available.left(),
                                std::max(available.left(), available.right() + 1 - fitted.width()));
    const int top = std::clamp(frame.y(), available.top(),
                               std::max(available.top(), available.bottom() + 1 - fitted.height()));
    move(left, top);
}

void frmWelcome2::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_framePlaced)
        return;
    m_framePlaced = true;
    // The window manager frames the window once it is mapped, and tells its size a moment
    // later; the window is fitted when that has happened, and once more for a slow one.
    QTimer::singleShot(0, this, &frmWelcome2::fitFrameOnScreen);
    QTimer::singleShot(kFrameSettleMs, this, &frmWelcome2::fitFrameOnScreen);
}

QString frmWelcome2::selectedTabKey() const
{
    return TabStrip1->tabBar()->tabData(TabStrip1->currentIndex()).toString();
}

void frmWelcome2::ShowTab(bool focusTabStrip)
{
    // The tab widget already lays the selected panel over its client area and in front.
    currentTabKey = selectedTabKey();
    if (auto* panel = qobject_cast<TabPanel*>(TabStrip1->currentWidget()))
        panel->SetBackColor(panelBackColor);
    if (focusTabStrip)
        TabStrip1->setFocus();
}

void frmWelcome2::TabStrip1_Click()
{
    ShowTab(true);
}

void frmWelcome2::Form_Resize()
{
    if (isMinimized())
        return;
    const QSize client = m_client->size();
    const int tabLeft = TabStrip1->x();

    int newH = 0;
    if (lastScaleHeight > 0)
        newH = TabStrip1->height() + client.height() - lastScaleHeight;
    int tabHeight = TabStrip1->height();
    if (newH > 0) {
        tabHeight = newH;
        lastScaleHeight = client.height();
    }
    TabStrip1->setGeometry(tabLeft, TabStrip1->y(), client.width() - 2 * tabLeft, tabHeight);

    picFerolLogo->move(CentredLeft(client.width(), picFerolLogo->width()), picFerolLogo->y());
}

void frmWelcome2::picFerolLogo_Click()
{
    if (selectedTabKey() == kFerolKey)
        return;
    int ferolIndex = -1;
    for (int index = 0; index < TabStrip1->count(); ++index) {
        if (TabStrip1->tabBar()->tabData(index).toString() == kFerolKey)
            ferolIndex = index;
    }
    if (ferolIndex >= 0)
        TabStrip1->setCurrentIndex(ferolIndex);
}

RememberedState frmWelcome2::rememberedState() const
{
    RememberedState state;
    state.maximized = isMaximized();
    state.geometry = state.maximized || isFullScreen() ? normalGeometry() : geometry();
    state.tabKey = currentTabKey;
    state.rfc3021 = ucSubnetCalc1->rfc3021();
    state.recentPlans = m_planCommands->recentPlans();
    return state;
}

void frmWelcome2::restore(const RememberedState& state)
{
    if (state.geometry) {
        QList<QRect> screens;
        const QScreen* primary = QGuiApplication::primaryScreen();
        if (primary)
            screens << primary->availableGeometry();
        for (const QScreen* screen : QGuiApplication::screens()) {
            if (screen != primary)
                screens << screen->availableGeometry();
        }
        setGeometry(KeptOnScreens(*state.geometry, screens));
    }
    if (state.maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
    for (int index = 0; index < TabStrip1->count(); ++index) {
        if (TabStrip1->tabBar()->tabData(index).toString() == state.tabKey)
            TabStrip1->setCurrentIndex(index);
    }
    ucSubnetCalc1->setRfc3021(state.rfc3021);
    m_planCommands->setRecentPlans(state.recentPlans);
}

bool frmWelcome2::openPlan(const QString& path)
{
    TabStrip1->setCurrentWidget(ucPlanner1);
    return m_planCommands->open(path);
}

void frmWelcome2::mnuAbout_Click()
{
    // A new dialog each time, so its texts are loaded afresh. Shown modal without a
    // nested event loop: the window stays responsive to its own repaints and nothing
    // waits on the dialog.
    auto* about = new frmAbout(m_services, this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->setModal(true);
    about->show();
}

void frmWelcome2::openMakerPage(const QString& path)
{
    m_services.openWebAddress(this, MakerAddress(path));
}

void frmWelcome2::closeEvent(QCloseEvent* event)
{
    // An unsaved plan is settled first; the design's own question follows unchanged.
    if (m_sessionEnding ||
        (m_planCommands->maySetAside() &&
         m_services.askYesNo(this, tr("Exit?"), tr("Are you sure you want to exit?"))))
        event->accept();
    else
        event->ignore();
}

bool frmWelcome2::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == QCoreApplication::instance() && event->type() == QEvent::Quit) {
        m_sessionEnding = true;
        // Still here once the request has been handled: the program goes on, and asks again.
        QTimer::singleShot(0, this, [this] { m_sessionEnding = false; });
    } else if (watched == m_client && event->type() == QEvent::Resize) {
        Form_Resize();
    } else if (watched == picFerolLogo && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            picFerolLogo->rect().contains(mouse->position().toPoint()))
            picFerolLogo_Click();
    }
    return QMainWindow::eventFilter(watched, event);
}
