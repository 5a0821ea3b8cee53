#include "shell/frmabout.h"
#include "shell/frmwelcome2.h"

#include "core/resultlabel.h"
#include "core/twips.h"
#include "ferol_version.h"
#include "testing/recordingshellservices.h"

#include <QAccessible>
#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QIcon>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTest>

#include <algorithm>
#include <memory>

namespace {

QString AccessibleName(QObject* object)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

} // namespace

// The main window and its About dialog: what they show, what they do, and what a keyboard
// or screen reader user meets in them and in every panel.
class TestFrmWelcome2 : public QObject
{
    Q_OBJECT

    QTabWidget* tabs() { return m_window->findChild<QTabWidget*>("TabStrip1"); }
    QWidget* client() { return m_window->centralWidget(); }
    QWidget* banner() { return m_window->findChild<QWidget*>("picFerolLogo"); }
    QAction* item(const char* name) { return m_window->findChild<QAction*>(name); }

    RecordingShellServices m_services;
    std::unique_ptr<frmWelcome2> m_window;

    // Opens About from the Help menu, as the user does. The offscreen platform leaves the
    // main window active, where a desktop would activate the dialog.
    frmAbout* about()
    {
        item("mnuAbout")->trigger();
        auto* dialog = m_window->findChild<frmAbout*>("frmAbout");
        dialog->activateWindow();
        return QTest::qWaitFor([dialog] { return dialog->isActiveWindow(); }) ? dialog : nullptr;
    }

    // Presses key from start until the focus is back on it; the stops between, each
    // marked "!" when it looked the same with the focus as without it. A stop in the
    // pane's page is the link Tab selected there.
    QStringList walk(QWidget* start, Qt::Key key) const
    {
        QStringList stops;
        QWidget* focus = start;
        focus->setFocus();
        for (int press = 0; press < 30; ++press) {
            const QImage focused = focus->grab().toImage();
            QTest::keyClick(focus, key);
            if (focus != start && focus->grab().toImage() == focused)
                stops.last() += "!";
            focus = QApplication::focusWidget();
            if (focus == start)
                return stops;
            stops << focus->objectName();
            auto* page = qobject_cast<QTextBrowser*>(focus);
            if (page && page->textCursor().hasSelection()) {
                QTextCursor link(page->document());
                link.setPosition(page->textCursor().selectionEnd());
                stops.last() = QUrl(link.charFormat().anchorHref()).fileName();
            }
        }
        return stops << "<trapped>";
    }

private slots:
    void init()
    {
        // A table row naming no control warns while the window is built.
        QTest::failOnWarning(QRegularExpression(".*"));
        m_window.reset();
        m_services = {};
        m_window = std::make_unique<frmWelcome2>(m_services);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
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

    // The icon's images are decoded only when first asked for; what comes back is still
    // the artwork for the size in device pixels, in the disabled look too.
    void iconDrawsTheArtworkForTheSize_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QIcon::Mode>("mode");
        QTest::newRow("16") << 16 << 1.0 << QIcon::Normal;
        QTest::newRow("256") << 256 << 1.0 << QIcon::Normal;
        QTest::newRow("32 at 2x") << 32 << 2.0 << QIcon::Normal;
        QTest::newRow("between sizes") << 40 << 1.0 << QIcon::Normal;
        QTest::newRow("disabled") << 24 << 1.0 << QIcon::Disabled;
    }

    void iconDrawsTheArtworkForTheSize()
    {
        QFETCH(int, size);
        QFETCH(qreal, ratio);
        QFETCH(QIcon::Mode, mode);
        QIcon reference;
        for (const int side : {16, 24, 32, 48, 64, 128, 256})
            reference.addFile(QStringLiteral(":/icons/ferol-%1.png").arg(side), QSize(side, side));
        const QIcon icon = m_window->windowIcon();
        QCOMPARE(icon.availableSizes(), reference.availableSizes());
        const QPixmap drawn = icon.pixmap(QSize(size, size), ratio, mode);
        QCOMPARE(drawn.size(), QSize(size, size) * ratio);
        QCOMPARE(drawn.toImage(), reference.pixmap(QSize(size, size), ratio, mode).toImage());
    }

    // The window, just shown, takes an address typed straight away.
    void opensReadyForAnAddress()
    {
        for (char key : QByteArray("10.1.2.3"))
            QTest::keyClick(QApplication::focusWidget(), key);
        QStringList octets;
        for (int k = 0; k < 4; ++k)
            octets << m_window->findChild<QLineEdit*>("sub_address_" + QString::number(k))->text();
        QCOMPARE(octets.join('.'), "10.1.2.3");
    }

    void menusAsDesigned()
    {
        QStringList seen;
        for (const char* name : {"mnuFile", "cmdOpen", "mnuMore", "mnuHelp"}) {
            QStringList items;
            for (const QAction* action : m_window->findChild<QMenu*>(name)->actions())
                items << (action->isSeparator() ? "-" : action->text());
            seen << m_window->findChild<QMenu*>(name)->title() + ": " + items.join(", ");
        }
        QCOMPARE(seen, (QStringList{
                           "&File: Open, E&xit",
                           "Open: &Subnet Mask Calculator, &Wildcard Mask Checker, "
                           "&Decimal IP Calculator",
                           "&More: Free &Lumbra Demo (Network Simulator), Free &Orvat Demos "
                           "(Practice Exams), Ferol's Free &Utilities",
                           "&Help: &Ferol Home Page, &Contact Us, -, &About Subnet Calculator"}));
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
        if (sessionEnding) {
            // How the session manager's end of the session reaches the program.
            QEvent quit(QEvent::Quit);
            QCoreApplication::sendEvent(QCoreApplication::instance(), &quit);
        } else {
            item("mnuExit")->trigger();
        }
        QCOMPARE(m_services.questions.size(), sessionEnding ? 0 : 1);
        for (const RecordedMessage& question : std::as_const(m_services.questions))
            QCOMPARE(question.title + "|" + question.text, "Exit?|Are you sure you want to exit?");
        QCOMPARE(m_window->isVisible(), !yes && !sessionEnding);
        // Closed or not, the window keeps its place, size and tab.
        QCOMPARE(m_window->geometry(), geometry);
        QCOMPARE(m_window->CurrentTabKey(), "DecimalIpCalc");
    }

    // A request to quit that leaves the program running (another window refused it)
    // leaves the window asking as before.
    void quitRequestThatDidNotEndTheProgram()
    {
        struct : QWidget
        {
            void closeEvent(QCloseEvent* event) override { event->ignore(); }
        } refuses;
        refuses.show();
        m_services.yesAnswer = false;
        QEvent quit(QEvent::Quit);
        QCoreApplication::sendEvent(QCoreApplication::instance(), &quit);
        QCoreApplication::processEvents();
        m_window->show();
        QCoreApplication::processEvents();
        item("mnuExit")->trigger();
        QCOMPARE(m_services.questions.size(), 1);
        QVERIFY(m_window->isVisible());
    }

    // The visible tab's access keys win every time; a letter it does not use opens its
    // menu, and so does F10 the first menu.
    void accessKeys_data()
    {
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("reached"); // the focused box, or the menu that opened
        const auto row = [](const char* key, int tab, const char* reached) {
            const char* names[] = {"subnet", "wildcard", "decimal", "Ferol"};
            QTest::newRow(qPrintable(QString("%1 on the %2 tab").arg(key, names[tab])))
                << QKeySequence(key) << tab << QString(reached);
        };
        row("Alt+M", 1, "ipadd1_4");
        row("Alt+H", 0, "sub_address_0");
        row("Alt+M", 0, "mnuMore");
        row("Alt+H", 1, "mnuHelp");
        row("Alt+F", 3, "mnuFile");
        row("F10", 1, "mnuFile");
    }

    void accessKeys()
    {
        QFETCH(QKeySequence, key);
        QFETCH(int, tab);
        QFETCH(QString, reached);
        tabs()->setCurrentIndex(tab);
        for (int press = 1; press <= 3; ++press) {
            tabs()->tabBar()->setFocus();
            if (reached.startsWith("mnu")) {
                // What the offscreen platform says of every menu it pops up.
                for (const char* warning : {"raise()", "grabbing the keyboard"})
                    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
            }
            QTest::keyClick(QApplication::focusWidget(), key[0].key(), key[0].keyboardModifiers());
            QWidget* popup = QApplication::activePopupWidget();
            const QString seen =
                popup ? popup->objectName() : QApplication::focusWidget()->objectName();
            QVERIFY2(seen == reached, qPrintable(QString("press %1: %2").arg(press).arg(seen)));
            if (popup)
                popup->close();
        }
    }

    void aboutIsModalAndFilledOnEachShowing()
    {
        frmAbout* dialog = about();
        QVERIFY(dialog && dialog->isModal());
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab);
        dialog->hide();
        for (QLabel* label : dialog->findChildren<QLabel*>())
            label->setText("stale");
        dialog->show();
        QStringList texts = {dialog->windowTitle(), dialog->focusWidget()->objectName()};
        for (const char* name :
             {"lblTitle", "lblVersion", "lblDescription", "lblDisclaimer", "cmdOK", "cmdShowEula"})
            texts << dialog->findChild<QWidget*>(name)->property("text").toString();
        QCOMPARE(
            texts.join('|'),
            "About Ferol Subnet Calculator|cmdOK|Ferol Subnet Calculator|Version " FEROL_VERSION "|"
            "Ferol Subnet Calculator contains the following tools:  Subnet Calculator, "
            "Wildcard Checker, Decimal IP Calculator.|"
            "Copyright \u00A9 2026 Ferol. All rights reserved. This program is provided as "
            "is, without warranty of any kind.|"
            "OK|&View DODA");
    }

    // The focus starts on OK; Enter presses the focused button, Esc closes.
    void aboutEnterAndEsc_data()
    {
        QTest::addColumn<bool>("tab");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Enter on OK") << false << Qt::Key_Return << true;
        QTest::newRow("Enter on the license") << true << Qt::Key_Return << false;
        QTest::newRow("Esc on the license") << true << Qt::Key_Escape << true;
    }
    void aboutEnterAndEsc()
    {
        QFETCH(bool, tab);
        QFETCH(Qt::Key, key);
        QFETCH(bool, closes);
        const QPointer<frmAbout> dialog = about();
        if (tab)
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab);
        QTest::keyClick(dialog->focusWidget(), key);
        QCOMPARE(dialog && dialog->isVisible(), !closes);
        QCOMPARE(m_services.richTextPaths.size(), closes ? 0 : 1);
    }

    void aboutHandsTheShippedLicenseDocument()
    {
        m_services.appFolderPath = FEROL_PROGRAM_DIR "/";
        frmAbout* dialog = about();
        QTest::mouseClick(dialog->findChild<QWidget*>("cmdShowEula"), Qt::LeftButton);
        const QString path = m_services.appFolderPath + "DODA.Subnet.rtf";
        QCOMPARE(m_services.richTextPaths, QStringList{path});
        QVERIFY(QFile::exists(path));
        QVERIFY(dialog->isVisible());
    }

    void everyControlIsReachedAndNamedOnce_data()
    {
        // Shift+Tab visits the stops in reverse unless the row says otherwise.
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("forward");
        QTest::addColumn<QString>("backward");
        auto row = [](const char* name, int tab, const char* forward, const char* backward = "") {
            QTest::newRow(name) << tab << QString(forward) << QString(backward);
        };
        row("subnet", 0,
            "sub_address_0 sub_address_1 sub_address_2 sub_address_3 scr_mask_bits "
            "btnPrevSubnet btnNextSubnet btnNextTwentySubnets chk_31bit");
        row("wildcard", 1,
            "ipadd1_0 ipadd1_1 ipadd1_2 ipadd1_3 ipadd1_4 ipadd1_5 ipadd1_6 "
            "ipadd1_7 btnCalculate btnSendToNotepad validip_0 validip_1 "
            "validip_2 validip_3");
        // Tab onto the list button opens the list and moves into it; Shift+Tab only stops.
        row("decimal", 2,
            "txtIpAddy_0 txtIpAddy_1 txtIpAddy_2 txtIpAddy_3 lstIpHistory "
            "txtDecimal Text1",
            "Text1 txtDecimal vscrollHistory txtIpAddy_3 txtIpAddy_2 txtIpAddy_1 txtIpAddy_0");
        // The page without the browser plugin: entered, then each of its links in turn.
        row("ferol", 3,
            "txtFerol AboutLumbra.html AboutLumbra.html about-practice-exams.html "
            "Guarantee.html about-practice-exams.html AboutTraining.html "
            "AboutTraining.html",
            "txtFerol AboutTraining.html AboutTraining.html about-practice-exams.html "
            "Guarantee.html about-practice-exams.html AboutLumbra.html AboutLumbra.html");
        // From OK, the one other stop; its logo is named too.
        row("about", 4, "cmdShowEula");
    }

    void everyControlIsReachedAndNamedOnce()
    {
        QFETCH(int, tab);
        QFETCH(QString, forward);
        QFETCH(QString, backward);
        tabs()->setCurrentIndex(tab % 4);
        QWidget* top = tab < 4 ? tabs()->widget(tab) : about();
        QWidget* start = tab < 4 ? tabs()->tabBar() : top->findChild<QWidget*>("cmdOK");
        QStringList stops = walk(start, Qt::Key_Tab);
        QCOMPARE(stops.join(' '), forward);
        // The visible focusable controls and pictures, and the list that only shows while
        // Tab is in it.
        QList<QWidget*> controls = top->findChildren<QWidget*>();
        controls.removeIf([&stops](const QWidget* widget) {
            const auto* picture = qobject_cast<const QLabel*>(widget);
            return (widget->focusPolicy() == Qt::NoFocus &&
                    !(picture && !picture->pixmap().isNull())) ||
                   (widget->isHidden() && !stops.contains(widget->objectName()));
        });
        QMap<QString, QString> owners;
        static const QRegularExpression element("_(\\d)$");
        for (QWidget* control : std::as_const(controls)) {
            const QString name = AccessibleName(control);
            const QString id = control->objectName() + " named \"" + name + "\"";
            QVERIFY2(!name.isEmpty() && !owners.contains(name), qPrintable(id));
            owners.insert(name, control->objectName());
            const QRegularExpressionMatch octet = element.match(control->objectName());
            if (qobject_cast<QLineEdit*>(control) && octet.hasMatch())
                QVERIFY2(name.endsWith(
                             QString(", octet %1 of 4").arg(octet.captured(1).toInt() % 4 + 1)),
                         qPrintable(id));
        }
        std::reverse(stops.begin(), stops.end());
        QCOMPARE(walk(start, Qt::Key_Backtab).join(' '),
                 backward.isEmpty() ? stops.join(' ') : backward);
    }

    void resultLabelsSayWhatTheirValueIs()
    {
        m_window->findChild<QLineEdit*>("sub_address_0")->setText("192");
        QTest::keyClick(tabs()->tabBar(), Qt::Key_Tab);
        const QList<ResultLabel*> labels = tabs()->widget(0)->findChildren<ResultLabel*>();
        QVERIFY(!labels.isEmpty());
        for (ResultLabel* label : labels) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(label);
            QAccessibleTextInterface* text = accessible->textInterface();
            const QString value = label->text();
            const QString name = accessible->text(QAccessible::Name);
            QVERIFY2(!value.isEmpty() && !name.isEmpty() && name != value && text,
                     qPrintable(label->objectName() + ": " + name));
            QCOMPARE(accessible->text(QAccessible::Value) + "|" +
                         text->text(0, text->characterCount()),
                     value + "|" + value);
            // A click gives the label the focus; once the keyboard is in use, it shows.
            const QImage unfocused = label->grab().toImage();
            label->setFocus(Qt::MouseFocusReason);
            QVERIFY2(label->grab().toImage() != unfocused, qPrintable(label->objectName()));
        }
    }
};

QTEST_MAIN(TestFrmWelcome2)
#include "tst_frmwelcome2.moc"
