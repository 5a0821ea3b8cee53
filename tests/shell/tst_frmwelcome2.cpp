#include "shell/frmwelcome2.h"

#include "core/twips.h"
#include "support/recordingshellservices.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <memory>

class TestFrmWelcome2 : public QObject
{
    Q_OBJECT

    QTabWidget* tabs() { return m_window->findChild<QTabWidget*>("TabStrip1"); }
    QWidget* client() { return m_window->centralWidget(); }
    QWidget* banner() { return m_window->findChild<QWidget*>("picFerolLogo"); }
    QAction* item(const char* name) { return m_window->findChild<QAction*>(name); }

    RecordingShellServices m_services;
    std::unique_ptr<frmWelcome2> m_window;

private slots:
    void init()
    {
        m_window.reset();
        m_services = {};
        m_window = std::make_unique<frmWelcome2>(m_services);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void opensOnTheSubnetTabOnWhite()
    {
        QStringList shown = {m_window->windowTitle(), m_window->CurrentTabKey()};
        for (int index = 0; index < tabs()->count(); ++index)
            shown << tabs()->tabText(index) + "=" + tabs()->tabBar()->tabData(index).toString();
        QCOMPARE(shown.join('|'),
                 "Ferol Subnet Calculator|SubnetMaskCalc|Subnet Mask Calculator=SubnetMaskCalc|"
                 "Wildcard Mask Checker=WildcardMaskCkr|Decimal IP "
                 "Calculator=DecimalIpCalc|Ferol=Ferol");
        QVERIFY(tabs()->widget(0)->isVisible() && tabs()->widget(0)->autoFillBackground());
        QCOMPARE(tabs()->widget(0)->palette().color(QPalette::Window), QColor(Qt::white));
        // The Open submenu is shown but unavailable.
        QVERIFY(!m_window->findChild<QMenu*>("cmdOpen")->menuAction()->isEnabled());
    }

    void menusAsDesignedAndAboutOpensModal()
    {
        QStringList seen;
        const QList<QMenu*> menus = {
            m_window->findChild<QMenu*>("mnuFile"), m_window->findChild<QMenu*>("cmdOpen"),
            m_window->findChild<QMenu*>("mnuMore"), m_window->findChild<QMenu*>("mnuHelp")};
        for (const QMenu* menu : menus) {
            QStringList items;
            for (const QAction* action : menu->actions())
                items << (action->isSeparator() ? "-" : action->text());
            seen << menu->title() + ": " + items.join(", ");
        }
        QCOMPARE(seen, (QStringList{
                           "&File: Open, E&xit",
                           "Open: &Subnet Mask Calculator, &Wildcard Mask Checker, "
                           "&Decimal IP Calculator",
                           "&More: Free &Lumbra Demo (Network Simulator), Free &Orvat Demos "
                           "(Practice Exams), Ferol's Free &Utilities",
                           "&Help: &Ferol Home Page, &Contact Us, -, &About Subnet Calculator"}));
        item("mnuAbout")->trigger();
        const auto* about = m_window->findChild<QDialog*>("frmAbout");
        QVERIFY(about && about->isVisible() && about->isModal());
    }

    void webItemsOpenTheirAddress()
    {
        const QStringList paths = {"/AboutLumbra.html", "/AboutOrvat.html", "/FreeUtilities.html",
                                   "", "/ContactUs.html"};
        for (const char* name :
             {"mnuLumbraDemo", "mnuOrvatDemo", "mnuFreeUtils", "mnuFerolOnline", "mnuContactUs"})
            item(name)->trigger();
        QCOMPARE(m_services.webAddresses.size(), paths.size());
        for (int i = 0; i < paths.size(); ++i)
            QCOMPARE(m_services.webAddresses[i], "http://www.ferol.example" + paths[i] +
                                                     "?EID=5e0a7c3d-91b4-4f26-8d1e-c6a92f47b083");
    }

    void tabStripFollowsTheSizeDownToTheMinimum()
    {
        const QRect opened = tabs()->geometry();
        const QSize growth(301, TwipsToPixels(300));
        m_window->resize(m_window->size() + growth);
        QTRY_COMPARE(tabs()->geometry(), opened.adjusted(0, 0, growth.width(), growth.height()));
        QCOMPARE(client()->width() - tabs()->geometry().right() - 1, tabs()->x());
        QVERIFY(qAbs(2 * banner()->x() + banner()->width() - client()->width()) <= 1);
        m_window->resize(100, 100);
        QTRY_COMPARE(m_window->size(), QSize(645, m_window->MinTrackHeight()));
        // There the tab strip is as tall as the tallest calculator panel, 800 twips lower than
        // it opened, with the side margin below it.
        QTRY_COMPARE(tabs()->height(), TwipsToPixels(frmWelcome2::kSubnetPanelHeight));
        QCOMPARE(opened.height() - tabs()->height(), TwipsToPixels(800));
        QCOMPARE(client()->height() - tabs()->geometry().bottom() - 1, tabs()->x());
    }

    void bannerSelectsTheFerolTab()
    {
        // The focus starts in the subnet panel, which the Ferol panel then covers.
        QTest::keyClick(tabs()->tabBar(), Qt::Key_Tab);
        QVERIFY(tabs()->widget(0)->isAncestorOf(QApplication::focusWidget()));
        QTest::mouseClick(banner(), Qt::LeftButton);
        QCOMPARE(m_window->CurrentTabKey(), "Ferol");
        QCOMPARE(tabs()->currentWidget()->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(QApplication::focusWidget(), tabs()->tabBar());
    }

    void closing_data()
    {
        QTest::addColumn<bool>("sessionEnding");
        QTest::addColumn<bool>("yes");
        QTest::newRow("answered No") << false << false;
        QTest::newRow("answered Yes") << false << true;
        QTest::newRow("session ending") << true << false;
    }

    void closing()
    {
        QFETCH(bool, sessionEnding);
        QFETCH(bool, yes);
        m_services.yesAnswer = yes;
        tabs()->setCurrentIndex(2);
        const QRect geometry = m_window->geometry();
        if (sessionEnding)
            m_window->SessionEnding();
        item("mnuExit")->trigger();
        QCOMPARE(m_services.questions.size(), sessionEnding ? 0 : 1);
        for (const RecordedMessage& question : std::as_const(m_services.questions))
            QCOMPARE(question.title + "|" + question.text, "Exit?|Are you sure you want to exit?");
        QCOMPARE(m_window->isVisible(), !yes && !sessionEnding);
        // Closed or not, the window keeps its place, size and tab.
        QCOMPARE(m_window->geometry(), geometry);
        QCOMPARE(m_window->CurrentTabKey(), "DecimalIpCalc");
    }
};

QTEST_MAIN(TestFrmWelcome2)
#include "tst_frmwelcome2.moc"
