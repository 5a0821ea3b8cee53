#include "shell/frmwelcome2.h"

#include "core/twips.h"
#include "shell/frmabout.h"
#include "core/maker_links.h"
#include "support/recordingshellservices.h"
#include "support/testregistry.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <memory>

class TestFrmWelcome2 : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // What the window shows when it opens.
    void opensOnTheSubnetTab();
    void menus_data();
    void menus();

    // Layout.
    void tabStripFollowsTheHeight_data();
    void tabStripFollowsTheHeight();
    void marginsAndBannerFollowTheWidth_data();
    void marginsAndBannerFollowTheWidth();
    void cannotBecomeSmallerThanItsMinimum();

    // Tabs and focus.
    void selectingATab_data();
    void selectingATab();
    void coveredPanelLosesTheFocus();
    void bannerSelectsTheFerolTabOnce();

    // Commands.
    void webItemsOpenTheirAddress_data();
    void webItemsOpenTheirAddress();
    void trackingIdHasGuidForm();
    void openSubmenuIsUnavailable();
    void aboutShowsAFreshModalDialog();
    void closing_data();
    void closing();

private:
    template <typename T> T* child(const QString& name) { return m_window->findChild<T*>(name); }
    QTabWidget* tabStrip() { return child<QTabWidget>(QStringLiteral("TabStrip1")); }
    QWidget* client() { return m_window->centralWidget(); }
    void resizeBy(int dx, int dy);

    std::unique_ptr<RecordingShellServices> m_services;
    std::unique_ptr<frmWelcome2> m_window;
};

void TestFrmWelcome2::init()
{
    m_services = std::make_unique<RecordingShellServices>();
    m_window = std::make_unique<frmWelcome2>(*m_services);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestFrmWelcome2::cleanup()
{
    m_window->SessionEnding();
    m_window.reset();
    m_services.reset();
}

void TestFrmWelcome2::resizeBy(int dx, int dy)
{
    const QSize target = m_window->size() + QSize(dx, dy);
    m_window->resize(target);
    QTRY_COMPARE(client()->width(), target.width());
}

void TestFrmWelcome2::opensOnTheSubnetTab()
{
    QStringList captions, keys, panels;
    for (int index = 0; index < tabStrip()->count(); ++index) {
        captions << tabStrip()->tabText(index);
        keys << tabStrip()->tabBar()->tabData(index).toString();
        panels << tabStrip()->widget(index)->objectName();
    }
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Ferol Subnet Calculator"));
    QCOMPARE(captions, (QStringList{"Subnet Mask Calculator", "Wildcard Mask Checker",
                                    "Decimal IP Calculator", "Ferol"}));
    QCOMPARE(keys, (QStringList{"SubnetMaskCalc", "WildcardMaskCkr", "DecimalIpCalc", "Ferol"}));
    QCOMPARE(panels,
             (QStringList{"ucSubnetCalc1", "ucWildCardChecker1", "ucDecimalCalc21", "ucFerol1"}));

    QWidget* subnet = tabStrip()->widget(0);
    QCOMPARE(tabStrip()->currentIndex(), 0);
    QCOMPARE(m_window->CurrentTabKey(), QStringLiteral("SubnetMaskCalc"));
    QVERIFY(subnet->isVisible() && subnet->autoFillBackground());
    QCOMPARE(subnet->palette().color(QPalette::Window), QColor(Qt::white));
    for (int covered = 1; covered < 4; ++covered)
        QVERIFY(!tabStrip()->widget(covered)->isVisible());

    const auto* banner = child<QLabel>(QStringLiteral("picFerolLogo"));
    QCOMPARE(banner->size(), QSize(617, 90));
    QCOMPARE(banner->pixmap().size(), QSize(617, 90));

    const QList<QSize> sizes = m_window->windowIcon().availableSizes();
    QCOMPARE(sizes.size(), 7);
    QCOMPARE(frmAbout(*m_services, m_window.get()).windowIcon().availableSizes(), sizes);
}

void TestFrmWelcome2::menus_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("items");

    // Each item as "objectName: caption"; the menu bar's items are its menus.
    QTest::newRow("bar") << "" << QStringList{"mnuFile: &File", "mnuMore: &More", "mnuHelp: &Help"};
    QTest::newRow("File") << "mnuFile" << QStringList{"cmdOpen: Open", "mnuExit: E&xit"};
    QTest::newRow("Open") << "cmdOpen"
                          << QStringList{"mnuSubnetCalc: &Subnet Mask Calculator",
                                         "mnuWildChecker: &Wildcard Mask Checker",
                                         "mnuDecIpCalc: &Decimal IP Calculator"};
    QTest::newRow("More") << "mnuMore"
                          << QStringList{"mnuLumbraDemo: Free &Lumbra Demo (Network Simulator)",
                                         "mnuOrvatDemo: Free &Orvat Demos (Practice Exams)",
                                         "mnuFreeUtils: Ferol's Free &Utilities"};
    QTest::newRow("Help") << "mnuHelp"
                          << QStringList{"mnuFerolOnline: &Ferol Home Page",
                                         "mnuContactUs: &Contact Us",
                                         "mnuHelpSep1: ", "mnuAbout: &About Subnet Calculator"};
}

void TestFrmWelcome2::menus()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, items);
    const QWidget* owner =
        menu.isEmpty() ? static_cast<QWidget*>(m_window->menuBar()) : child<QMenu>(menu);
    QVERIFY(owner);

    QStringList shown;
    for (const QAction* action : owner->actions()) {
        const QString name = action->menu() ? action->menu()->objectName() : action->objectName();
        shown << name + ": " + action->text();
        QVERIFY(action->shortcut().isEmpty());
    }
    QCOMPARE(shown, items);
}

void TestFrmWelcome2::tabStripFollowsTheHeight_data()
{
    QTest::addColumn<int>("dy");

    QTest::newRow("300 twips taller") << TwipsToPixels(300);
    QTest::newRow("much taller") << 200;
    QTest::newRow("lower") << -TwipsToPixels(300);
}

void TestFrmWelcome2::tabStripFollowsTheHeight()
{
    QFETCH(int, dy);
    const QRect before = tabStrip()->geometry();

    resizeBy(0, dy);

    QTRY_COMPARE(tabStrip()->height(), before.height() + dy);
    QCOMPARE(tabStrip()->pos(), before.topLeft());
    QCOMPARE(tabStrip()->width(), before.width());
}

void TestFrmWelcome2::marginsAndBannerFollowTheWidth_data()
{
    QTest::addColumn<int>("dx");

    QTest::newRow("as opened") << 0;
    QTest::newRow("one pixel wider") << 1;
    QTest::newRow("much wider") << 300;
}

void TestFrmWelcome2::marginsAndBannerFollowTheWidth()
{
    QFETCH(int, dx);
    const int height = tabStrip()->height();

    resizeBy(dx, 0);

    const int margin = TwipsToPixels(120);
    QCOMPARE(tabStrip()->x(), margin);
    QCOMPARE(client()->width() - tabStrip()->geometry().right() - 1, margin);
    QCOMPARE(tabStrip()->height(), height);
    const QRect banner = child<QLabel>(QStringLiteral("picFerolLogo"))->geometry();
    const int leftSpace = banner.left();
    const int rightSpace = client()->width() - banner.right() - 1;
    QVERIFY2(qAbs(leftSpace - rightSpace) <= 1,
             qPrintable(QStringLiteral("%1 / %2").arg(leftSpace).arg(rightSpace)));
    QCOMPARE(banner.top(), TwipsToPixels(120));
}

void TestFrmWelcome2::cannotBecomeSmallerThanItsMinimum()
{
    const int openedHeight = m_window->height();
    QCOMPARE(m_window->minimumWidth(), 645);
    QCOMPARE(m_window->minimumHeight(), m_window->MinTrackHeight());
    // The window opens 800 twips above its minimum height.
    QCOMPARE(openedHeight - m_window->MinTrackHeight(), TwipsToPixels(800));

    m_window->resize(100, 100);

    QTRY_COMPARE(m_window->size(), QSize(645, m_window->MinTrackHeight()));
    // At the minimum the tab strip is as tall as the tallest calculator panel.
    QTRY_COMPARE(tabStrip()->height(), TwipsToPixels(frmWelcome2::kSubnetPanelHeight));
    QVERIFY(tabStrip()->geometry().bottom() < client()->height());
}

void TestFrmWelcome2::selectingATab_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("key");

    QTest::newRow("subnet") << 0 << "SubnetMaskCalc";
    QTest::newRow("wildcard") << 1 << "WildcardMaskCkr";
    QTest::newRow("decimal") << 2 << "DecimalIpCalc";
    QTest::newRow("ferol") << 3 << "Ferol";
}

void TestFrmWelcome2::selectingATab()
{
    QFETCH(int, index);
    QFETCH(QString, key);
    QTabBar* bar = tabStrip()->tabBar();
    if (index == 0)
        tabStrip()->setCurrentIndex(1);
    QWidget* panel = tabStrip()->widget(index);

    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());

    QCOMPARE(m_window->CurrentTabKey(), key);
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(QApplication::focusWidget(), bar);
    // Tab from the strip never lands in a covered panel; the subnet panel's boxes take it.
    for (int press = 0; press < 3; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        for (int other = 0; other < tabStrip()->count(); ++other)
            QVERIFY(other == index ||
                    !tabStrip()->widget(other)->isAncestorOf(QApplication::focusWidget()));
        if (index == 0 && press == 0)
            QVERIFY(panel->isAncestorOf(QApplication::focusWidget()));
    }
    QVERIFY(m_services->messages.isEmpty());
}

void TestFrmWelcome2::coveredPanelLosesTheFocus()
{
    QWidget* subnet = tabStrip()->widget(0);
    tabStrip()->tabBar()->setFocus();
    QTest::keyClick(tabStrip()->tabBar(), Qt::Key_Tab);
    QVERIFY(subnet->isAncestorOf(QApplication::focusWidget()));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);

    QCOMPARE(tabStrip()->currentIndex(), 1);
    QVERIFY(!subnet->isAncestorOf(QApplication::focusWidget()));
    QCOMPARE(QApplication::focusWidget(), tabStrip()->tabBar());
}

void TestFrmWelcome2::bannerSelectsTheFerolTabOnce()
{
    auto* banner = child<QLabel>(QStringLiteral("picFerolLogo"));
    QCOMPARE(banner->focusPolicy(), Qt::NoFocus);
    tabStrip()->setCurrentIndex(1);

    QTest::mouseClick(banner, Qt::LeftButton);

    QCOMPARE(m_window->CurrentTabKey(), QStringLiteral("Ferol"));
    QCOMPARE(tabStrip()->currentIndex(), 3);
    QCOMPARE(QApplication::focusWidget(), tabStrip()->tabBar());

    QSignalSpy changes(tabStrip(), &QTabWidget::currentChanged);
    QTest::mouseClick(banner, Qt::LeftButton);
    QCOMPARE(changes.count(), 0);
    QCOMPARE(tabStrip()->currentIndex(), 3);
    QVERIFY(QApplication::focusWidget() != banner);
}

void TestFrmWelcome2::webItemsOpenTheirAddress_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("address");

    const QString host = QStringLiteral("http://") + QLatin1String(kMakerHost);
    const QString query = QStringLiteral("?EID=") + QLatin1String(kTrackingId);
    QTest::newRow("Lumbra demo") << "mnuLumbraDemo" << host + "/AboutLumbra.html" + query;
    QTest::newRow("Orvat demos") << "mnuOrvatDemo" << host + "/AboutOrvat.html" + query;
    QTest::newRow("free utilities") << "mnuFreeUtils" << host + "/FreeUtilities.html" + query;
    QTest::newRow("home page") << "mnuFerolOnline" << host + query;
    QTest::newRow("contact") << "mnuContactUs" << host + "/ContactUs.html" + query;
}

void TestFrmWelcome2::webItemsOpenTheirAddress()
{
    QFETCH(QString, item);
    QFETCH(QString, address);

    child<QAction>(item)->trigger();

    QCOMPARE(m_services->webAddresses, QStringList{address});
    QVERIFY(m_services->messages.isEmpty());
}

void TestFrmWelcome2::trackingIdHasGuidForm()
{
    static const QRegularExpression guid(
        QStringLiteral("^[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}$"));
    QVERIFY(guid.match(QLatin1String(kTrackingId)).hasMatch());
    QVERIFY(QLatin1String(kMakerHost).endsWith(QLatin1String(".example")));
}

void TestFrmWelcome2::openSubmenuIsUnavailable()
{
    auto* open = child<QMenu>(QStringLiteral("cmdOpen"));
    QVERIFY(!open->menuAction()->isEnabled());
    QVERIFY(open->menuAction()->isVisible());

    for (QAction* item : open->actions())
        item->trigger();

    QCOMPARE(tabStrip()->currentIndex(), 0);
    QVERIFY(m_services->webAddresses.isEmpty());
    QVERIFY(m_services->messages.isEmpty());
    QVERIFY(m_services->questions.isEmpty());
    QVERIFY(m_window->isVisible());
}

void TestFrmWelcome2::aboutShowsAFreshModalDialog()
{
    child<QAction>(QStringLiteral("mnuAbout"))->trigger();

    QPointer<frmAbout> first = m_window->findChild<frmAbout*>();
    QVERIFY(first);
    QVERIFY(first->isVisible());
    QVERIFY(first->isModal());
    QVERIFY(QTest::qWaitForWindowExposed(first));
    const QPoint offCentre = first->frameGeometry().center() - m_window->frameGeometry().center();
    QVERIFY2(qAbs(offCentre.x()) <= 1 && qAbs(offCentre.y()) <= 1,
             qPrintable(QStringLiteral("%1, %2").arg(offCentre.x()).arg(offCentre.y())));
    QTest::keyClick(first, Qt::Key_Escape);
    QTRY_VERIFY(first.isNull());

    child<QAction>(QStringLiteral("mnuAbout"))->trigger();
    auto* second = m_window->findChild<frmAbout*>();
    QVERIFY(second);
    QCOMPARE(second->windowTitle(), QStringLiteral("About Ferol Subnet Calculator"));
    second->close();
}

void TestFrmWelcome2::closing_data()
{
    QTest::addColumn<bool>("byExitItem");
    QTest::addColumn<bool>("sessionEnding");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("asked");

    QTest::newRow("close box, No") << false << false << false << true;
    QTest::newRow("close box, Yes") << false << false << true << true;
    QTest::newRow("Exit item, No") << true << false << false << true;
    QTest::newRow("Exit item, Yes") << true << false << true << true;
    QTest::newRow("session ending") << false << true << false << false;
}

void TestFrmWelcome2::closing()
{
    QFETCH(bool, byExitItem);
    QFETCH(bool, sessionEnding);
    QFETCH(bool, answer);
    QFETCH(bool, asked);
    m_services->yesAnswer = answer;
    tabStrip()->setCurrentIndex(2);
    resizeBy(40, 30);
    const QRect geometry = m_window->geometry();
    const QRect tabGeometry = tabStrip()->geometry();
    if (sessionEnding)
        m_window->SessionEnding();

    if (byExitItem)
        child<QAction>(QStringLiteral("mnuExit"))->trigger();
    else
        m_window->close();

    QCOMPARE(m_services->questions.size(), asked ? 1 : 0);
    if (asked) {
        QCOMPARE(m_services->questions.first().title, QStringLiteral("Exit?"));
        QCOMPARE(m_services->questions.first().text,
                 QStringLiteral("Are you sure you want to exit?"));
    }
    const bool closed = answer || !asked;
    QCOMPARE(m_window->isVisible(), !closed);
    if (!closed) {
        QCOMPARE(m_window->geometry(), geometry);
        QCOMPARE(tabStrip()->geometry(), tabGeometry);
        QCOMPARE(m_window->CurrentTabKey(), QStringLiteral("DecimalIpCalc"));
    }
}

FEROL_REGISTER_TEST(TestFrmWelcome2)
#include "tst_frmwelcome2.moc"
