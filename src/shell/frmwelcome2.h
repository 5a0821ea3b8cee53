#pragma once

// The program's only top-level window: a banner, a menu bar and a tab strip whose five
// pages are the panels (subnet, wildcard, decimal, IPv6, promotional), all created with the
// window and living as long as it. Selecting a tab, by mouse, keyboard or a click on the
// banner, runs ShowTab: it records the tab's key, paints the panel white and puts the
// focus on the tab strip. The tab widget hides covered panels, so Tab from the strip
// goes into the visible panel and the focus never rests on a covered one. On resize the
// tab strip keeps equal side margins and follows the client height one for one, and the
// banner stays centred. On a screen smaller than the designed minimum the minimum
// shrinks to the screen, the client area keeps its designed minimum and scrolls. Web items hand
// maker addresses to the services; About opens a freshly loaded dialog; closing asks first unless
// the desktop session is ending. The visible page's access keys win over the menus'
// (PageFirstMenuBar).

#include "core/colors.h"
#include "shell/remembered_state.h"

#include <QMainWindow>
#include <QString>

#include <cstdint>

class QAction;
class QLabel;
class QMenu;
class QTabWidget;
class PlanCommandBar;
class ShellServices;
class ucDecimalCalc;
class ucFerol;
class ucIpv6Calc;
class ucPlanner;
class ucSubnetCalc;
class ucWildCardChecker;

class frmWelcome2 : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmWelcome2(ShellServices& services, QWidget* parent = nullptr);

    // Design heights of the calculator panels in twips; the tallest sizes the tab strip.
    static constexpr int kDecimalPanelHeight = 4455;
    static constexpr int kSubnetPanelHeight = 6855;
    static constexpr int kWildcardPanelHeight = 5175;

    // The narrowest the window may become, in pixels, where the screen has room for it.
    static constexpr int minTrackWidth = 645;

    // Key of the tab whose panel was shown last.
    QString CurrentTabKey() const { return currentTabKey; }

    // What the window keeps for the next run, and taking it back, before the window is
    // shown, on the screens there are now.
    RememberedState rememberedState() const;
    void restore(const RememberedState& state);

    // Shows the planner tab with the plan in path (as the desktop asks, handing the
    // program a file); false, after saying why, when the file held no plan.
    bool openPlan(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void placeAtCreation();
    // Where the frame the window manager added reaches off the available screen, the
    // window (and its minimum, when needed) shrinks and moves so the whole frame is on it.
    void fitFrameOnScreen();
    // wanted within room, widened for the client's scroll bar where the client scrolls.
    QSize fittedSize(QSize wanted, QSize room) const;
    QString selectedTabKey() const;

    void ShowTab(bool focusTabStrip);
    void Form_Resize();
    void TabStrip1_Click();
    void picFerolLogo_Click();
    void mnuAbout_Click();
    void openMakerPage(const QString& path);

    ShellServices& m_services;

    QString currentTabKey;
    const std::uint32_t panelBackColor = kWhiteBgr;
    int lastScaleHeight = 0;
    bool m_framePlaced = false;
    // Set while the application handles a request to quit (the session manager's, once the
    // session really ends), so the window closes without asking; a request that did not
    // end the program leaves it unset again.
    bool m_sessionEnding = false;

    QWidget* m_client = nullptr;
    QLabel* picFerolLogo = nullptr;
    QTabWidget* TabStrip1 = nullptr;
    ucSubnetCalc* ucSubnetCalc1 = nullptr;
    ucWildCardChecker* ucWildCardChecker1 = nullptr;
    ucDecimalCalc* ucDecimalCalc21 = nullptr;
    ucIpv6Calc* ucIpv6Calc1 = nullptr;
    ucPlanner* ucPlanner1 = nullptr;
    PlanCommandBar* m_planCommands = nullptr;
    ucFerol* ucFerol1 = nullptr;

    QMenu* mnuFile = nullptr;
    QMenu* m_openMenu = nullptr;
    QAction* mnuSubnetCalc = nullptr;
    QAction* mnuWildChecker = nullptr;
    QAction* mnuDecIpCalc = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuMore = nullptr;
    QAction* mnuLumbraDemo = nullptr;
    QAction* mnuOrvatDemo = nullptr;
    QAction* mnuFreeUtils = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuFerolOnline = nullptr;
    QAction* mnuContactUs = nullptr;
    QAction* mnuHelpSep1 = nullptr;
    QAction* mnuAbout = nullptr;
};
