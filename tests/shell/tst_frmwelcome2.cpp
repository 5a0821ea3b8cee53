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
#include <QLineEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>

#include <algorithm>
#include <memory>

// The main window and its About dialog: what they show, what they do, and what a keyboard
// or screen reader user meets in them and in every panel.
class TestFrmWelcome2 : public QObject
{
    Q_OBJECT

    QTabWidget* tabs() { return m_window->findChild<QTabWidget*>("TabStrip1"); }
    QWidget* banner() { return m_window->findChild<QWidget*>("picFerolLogo"); }

    RecordingShellServices m_services;
    std::unique_ptr<frmWelcome2> m_window;

    // Opens About from the Help menu, as the user does. The offscreen platform leaves the
    // main window active, where a desktop would activate the dialog.
    frmAbout* about()
    {
        m_window->findChild<QAction*>("mnuAbout")->trigger();
        auto* dialog = m_window->findChild<frmAbout*>("frmAbout");
        dialog->activateWindow();
        return QTest::qWaitFor([dialog] { return dialog->isActiveWindow(); }) ? dialog : nullptr;
    }

    // Presses key from start until the focus is back on it; the stops between, each
    // marked "!" when it looked the same with the focus as without it. A stop in the
    // pane's page is the link Tab selected there.
    static QStringList walk(QWidget* start, Qt::Key key)
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
        m_services.appFolderPath = FEROL_PROGRAM_DIR "/";
        m_window = std::make_unique<frmWelcome2>(m_services);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }

    // The window opens on the subnet tab, on white, and takes an address typed straight away.
    void opensReadyForAnAddress()
    {
        QCOMPARE(m_window->windowTitle(), "Ferol Subnet Calculator");
        QCOMPARE(tabs()->currentWidget()->palette().color(QPalette::Window), QColor(Qt::white));
        for (char key : QByteArray("10.1.2.3"))
            QTest::keyClick(QApplication::focusWidget(), key);
        QStringList octets;
        for (int k = 0; k < 4; ++k)
            octets << m_window->findChild<QLineEdit*>("sub_address_" + QString::number(k))->text();
        QCOMPARE(octets.join('.'), "10.1.2.3");
    }

    void webItemsOpenTheirAddress()
    {
        QStringList expected;
        for (const char* path : {"/AboutLumbra.html", "/AboutOrvat.html", "/FreeUtilities.html", "",
                                 "/ContactUs.html"})
            expected << "http://www.ferol.example" + QString(path) +
                            "?EID=5e0a7c3d-91b4-4f26-8d1e-c6a92f47b083";
        for (const char* name :
             {"mnuLumbraDemo", "mnuOrvatDemo", "mnuFreeUtils", "mnuFerolOnline", "mnuContactUs"})
            m_window->findChild<QAction*>(name)->trigger();
        QCOMPARE(m_services.webAddresses, expected);
    }

    // The tab strip keeps equal side margins and the banner stays centred; at the minimum
    // size it is as tall as the tallest calculator panel, 800 twips lower than it opened.
    void tabStripFollowsTheSize()
    {
        const int opened = tabs()->height();
        m_window->resize(m_window->size() + QSize(301, 40));
        QWidget* client = m_window->centralWidget();
        QTRY_COMPARE(client->width() - tabs()->geometry().right() - 1, tabs()->x());
        QVERIFY(qAbs(2 * banner()->x() + banner()->width() - client->width()) <= 1);
        m_window->resize(100, 100);
        QTRY_COMPARE(tabs()->height(), TwipsToPixels(frmWelcome2::kSubnetPanelHeight));
        QCOMPARE(opened - tabs()->height(), TwipsToPixels(800));
        QCOMPARE(client->height() - tabs()->geometry().bottom() - 1, tabs()->x());
    }

    void bannerSelectsTheFerolTab()
    {
        // The focus starts in the subnet panel, which the Ferol panel then covers.
        QTest::mouseClick(banner(), Qt::LeftButton);
        QCOMPARE(m_window->CurrentTabKey(), "Ferol");
        QCOMPARE(QApplication::focusWidget(), tabs()->tabBar());
    }

    // Exit asks; the session manager's end of the session does not, and once a request to
    // quit has left the program running (another window refused it), Exit asks again.
    void closing_data()
    {
        QTest::addColumn<bool>("quit");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Exit, answered No") << false << false << false << false;
        QTest::newRow("Exit, answered Yes") << false << false << true << true;
        QTest::newRow("session ending") << true << false << false << true;
        QTest::newRow("quit refused, then Exit") << true << true << false << false;
    }

    void closing()
    {
        QFETCH(bool, quit);
        QFETCH(bool, refused);
        QFETCH(bool, yes);
        QFETCH(bool, closes);
        struct : QWidget
        {
            void closeEvent(QCloseEvent* event) override { event->ignore(); }
        } refuses;
        refuses.setVisible(refused);
        m_services.yesAnswer = yes;
        tabs()->setCurrentIndex(2);
        const QRect geometry = m_window->geometry();
        if (quit) {
            QEvent event(QEvent::Quit);
            QCoreApplication::sendEvent(QCoreApplication::instance(), &event);
            QCoreApplication::processEvents();
        }
        if (refused) {
            m_window->show();
            QCoreApplication::processEvents();
        }
        if (!quit || refused)
            m_window->findChild<QAction*>("mnuExit")->trigger();
        QCOMPARE(m_services.questions.size(), int(!quit || refused));
        for (const RecordedMessage& question : std::as_const(m_services.questions))
            QCOMPARE(question.text, "Are you sure you want to exit?");
        QCOMPARE(m_window->isVisible(), !closes);
        // Closed or not, the window keeps its place, size and tab.
        QCOMPARE(m_window->geometry(), geometry);
        QCOMPARE(m_window->CurrentTabKey(), "DecimalIpCalc");
    }

    // The visible tab's access keys win every time; a letter it does not use opens its
    // menu, and so does F10 the first menu.
    void accessKeys_data()
    {
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("reached"); // the focused box, or the menu that opened
        QTest::newRow("Alt+M on wildcard") << QKeySequence("Alt+M") << 1 << "ipadd1_4";
        QTest::newRow("Alt+H on subnet") << QKeySequence("Alt+H") << 0 << "sub_address_0";
        QTest::newRow("Alt+M on subnet") << QKeySequence("Alt+M") << 0 << "mnuMore";
        QTest::newRow("Alt+H on wildcard") << QKeySequence("Alt+H") << 1 << "mnuHelp";
        QTest::newRow("F10 on wildcard") << QKeySequence("F10") << 1 << "mnuFile";
    }

    void accessKeys()
    {
        QFETCH(QKeySequence, key);
        QFETCH(int, tab);
        QFETCH(QString, reached);
        tabs()->setCurrentIndex(tab);
        for (int press = 1; press <= 3; ++press) {
            tabs()->tabBar()->setFocus();
            // What the offscreen platform says of every menu it pops up.
            for (const char* warning : {"raise()", "grabbing the keyboard"})
                if (reached.startsWith("mnu"))
                    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
            QTest::keyClick(QApplication::focusWidget(), key[0].key(), key[0].keyboardModifiers());
            QWidget* popup = QApplication::activePopupWidget();
            QWidget* seen = popup ? popup : QApplication::focusWidget();
            QVERIFY2(seen->objectName() == reached,
                     qPrintable(QString("press %1: %2").arg(press).arg(seen->objectName())));
            if (popup)
                popup->close();
        }
    }

    // About is modal and filled afresh on each showing with the focus on OK; Enter presses
    // the focused button, which for the license hands the document shipped beside the
    // program; Esc closes.
    void aboutKeys_data()
    {
        QTest::addColumn<bool>("tab");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Enter on OK") << false << Qt::Key_Return << true;
        QTest::newRow("Enter on the license") << true << Qt::Key_Return << false;
        QTest::newRow("Esc on the license") << true << Qt::Key_Escape << true;
    }

    void aboutKeys()
    {
        QFETCH(bool, tab);
        QFETCH(Qt::Key, key);
        QFETCH(bool, closes);
        const QPointer<frmAbout> dialog = about();
        QVERIFY(dialog && dialog->isModal());
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab);
        dialog->hide();
        for (QLabel* label : dialog->findChildren<QLabel*>(QRegularExpression("^lbl")))
            label->setText("stale");
        dialog->show();
        QCOMPARE(dialog->focusWidget()->objectName(), "cmdOK");
        QCOMPARE(dialog->findChild<QLabel*>("lblVersion")->text(), "Version " FEROL_VERSION);
        for (QLabel* label : dialog->findChildren<QLabel*>(QRegularExpression("^lbl")))
            QVERIFY2(label->text() != "stale", qPrintable(label->objectName()));
        if (tab)
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab);
        QTest::keyClick(dialog->focusWidget(), key);
        QCOMPARE(dialog && dialog->isVisible(), !closes);
        const QString license = m_services.appFolderPath + "DODA.Subnet.rtf";
        QCOMPARE(m_services.richTextPaths, closes ? QStringList() : QStringList(license));
        QVERIFY(QFile::exists(license));
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
        // Tab is in it, each named, each name its own; an octet box says which it is.
        QStringList names;
        for (QWidget* control : top->findChildren<QWidget*>()) {
            const auto* picture = qobject_cast<const QLabel*>(control);
            if ((control->focusPolicy() == Qt::NoFocus &&
                 !(picture && !picture->pixmap().isNull())) ||
                (control->isHidden() && !stops.contains(control->objectName())))
                continue;
            const QString name =
                QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
            const QString id = control->objectName() + " named \"" + name + "\"";
            QVERIFY2(!name.isEmpty() && !names.contains(name), qPrintable(id));
            names << name;
            static const QRegularExpression octet("_(\\d)$");
            const QRegularExpressionMatch match = octet.match(control->objectName());
            if (qobject_cast<QLineEdit*>(control) && match.hasMatch())
                QVERIFY2(name.endsWith(
                             QString(", octet %1 of 4").arg(match.captured(1).toInt() % 4 + 1)),
                         qPrintable(id));
        }
        std::reverse(stops.begin(), stops.end());
        QCOMPARE(walk(start, Qt::Key_Backtab).join(' '),
                 backward.isEmpty() ? stops.join(' ') : backward);
    }

    // Each result is heard by its name and its value, and shows the focus a click gives it
    // once the keyboard is in use.
    void resultLabelsSayWhatTheirValueIs()
    {
        m_window->findChild<QLineEdit*>("sub_address_0")->setText("192");
        QTest::keyClick(tabs()->tabBar(), Qt::Key_Tab);
        const QList<ResultLabel*> labels = tabs()->widget(0)->findChildren<ResultLabel*>();
        QVERIFY(!labels.isEmpty());
        for (ResultLabel* label : labels) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(label);
            const QString name = accessible->text(QAccessible::Name);
            QVERIFY2(!label->text().isEmpty() && !name.isEmpty() && name != label->text(),
                     qPrintable(label->objectName() + ": " + name));
            QCOMPARE(accessible->text(QAccessible::Value), label->text());
            QAccessibleTextInterface* text = accessible->textInterface();
            QVERIFY2(text, qPrintable(label->objectName()));
            QCOMPARE(text->text(0, text->characterCount()), label->text());
            const QImage unfocused = label->grab().toImage();
            label->setFocus(Qt::MouseFocusReason);
            QVERIFY2(label->grab().toImage() != unfocused, qPrintable(label->objectName()));
        }
    }
};

QTEST_MAIN(TestFrmWelcome2)
#include "tst_frmwelcome2.moc"
