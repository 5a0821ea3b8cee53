#include "shell/frmabout.h"
#include "shell/frmwelcome2.h"

#include "core/resultlabel.h"
#include "ferol_version.h"
#include "support/paneldriver.h"
#include "testing/recordingshellservices.h"

#include <QAccessible>
#include <QAction>
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
    // pane's page is the page the link Tab selected there leads to.
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
                stops.last() = QUrl(link.charFormat().anchorHref()).fileName().section('.', 0, 0);
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

    // A user's steps and what they leave shown, for a table of them. Besides the panel
    // driver's steps, "tab:N" selects tab N, "menu:ITEM" triggers a menu item, "popup:KEY"
    // presses a key that opens a menu, "quit" is the session manager's request to quit at
    // the end of the session; "about" opens About, "reshow" hides and shows it.
    // Besides the driver's facts, "title", "back" (the tab's colour), "tab" (its key), "web"
    // (the addresses opened), "asked" (the questions asked), "open" (whether the window is
    // shown), "popup" (the menu open), "about" (the dialog's state) and "license" (the
    // documents opened). Every question is answered No.
    void steps_data()
    {
        const auto row = StepTable();
        row("opens ready for an address", "type:10.1.2.3",
            "sub_address=10.1.2.3|title=Ferol Subnet Calculator|back=#ffffff");
        // The focus starts in the subnet panel, which the Ferol panel then covers.
        row("banner selects the Ferol tab", "mouse:picFerolLogo",
            "tab=Ferol|focus=qt_tabwidget_tabbar");
        row("web items", "menu:mnuLumbraDemo menu:mnuFerolOnline",
            QString("web=http://www.ferol.example/AboutLumbra.html%1 http://www.ferol.example%1")
                .arg("?EID=5e0a7c3d-91b4-4f26-8d1e-c6a92f47b083"));
        // Exit asks; the end of the session does not. Closed or not, the window keeps its
        // tab.
        const QString asked = "asked=Are you sure you want to exit?|tab=DecimalIpCalc";
        row("Exit, answered No", "tab:2 menu:mnuExit", "open=yes|" + asked);
        row("session ending", "tab:2 quit", "open=no|asked=|tab=DecimalIpCalc");
        // The visible tab's access keys win every time; a letter it does not use opens its
        // menu, and so does F10 the first menu.
        const QString again = " focus:qt_tabwidget_tabbar key:Alt+";
        row("Alt+M on wildcard", "tab:1" + again + "M" + again + "M", "focus=ipadd1_4");
        row("Alt+M on subnet", "tab:0 focus:qt_tabwidget_tabbar popup:Alt+M", "popup=mnuMore");
        row("F10 on wildcard", "tab:1 focus:qt_tabwidget_tabbar popup:F10", "popup=mnuFile");
        // About is modal and filled afresh on each showing with the focus on OK; Enter presses
        // the focused button, which for the license hands the document shipped beside the
        // program.
        const QString about = "about key:Tab reshow";
        row("About, Enter on OK", about + " key:Return", "about=closed|license=");
        row("About, Enter on the license", about + " key:Tab key:Return",
            "about=modal|lblVersion=Version " FEROL_VERSION "|license=" FEROL_PROGRAM_DIR
            "/DODA.Subnet.rtf");
    }

    void steps()
    {
        QFETCH(QString, steps);
        QFETCH(QString, facts);
        m_services.yesAnswer = false;
        QPointer<frmAbout> dialog;
        const PanelDriver driver(*m_window);
        driver.run(steps, [&](const QString& step, const QString& arg) {
            if (step.startsWith("popup:")) {
                // What the offscreen platform says of every menu it pops up.
                for (const char* warning : {"raise()", "grabbing the keyboard"})
                    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
                const QKeyCombination key = QKeySequence(arg)[0];
                QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
            } else if (step == "quit") {
                QEvent quit(QEvent::Quit);
                QCoreApplication::sendEvent(QCoreApplication::instance(), &quit);
            } else if (step.startsWith("tab:")) {
                tabs()->setCurrentIndex(arg.toInt());
            } else if (step.startsWith("menu:")) {
                m_window->findChild<QAction*>(arg)->trigger();
            } else if (step == "about") {
                dialog = about();
            } else if (step == "reshow") {
                dialog->hide();
                dialog->show();
            } else {
                return false;
            }
            QCoreApplication::processEvents();
            return true;
        });
        QCoreApplication::processEvents();
        QStringList questions;
        for (const RecordedMessage& question : std::as_const(m_services.questions))
            questions << question.text;
        QWidget* popup = QApplication::activePopupWidget();
        const QMap<QString, QString> values = {
            {"title", m_window->windowTitle()},
            {"back", tabs()->currentWidget()->palette().color(QPalette::Window).name()},
            {"tab", m_window->CurrentTabKey()},
            {"web", m_services.webAddresses.join(' ')},
            {"asked", questions.join(' ')},
            {"open", m_window->isVisible() ? "yes" : "no"},
            {"popup", popup ? popup->objectName() : ""},
            {"about", !dialog || !dialog->isVisible() ? "closed"
                      : dialog->isModal()             ? "modal"
                                                      : "modeless"},
            {"license", m_services.richTextPaths.join(' ')}};
        QVERIFY(QFile::exists(m_services.appFolderPath + "DODA.Subnet.rtf"));
        for (const QString& fact : facts.split('|')) {
            const QString key = fact.section('=', 0, 0);
            QCOMPARE(std::pair(key, values.value(key, driver.shown(key))),
                     std::pair(key, fact.section('=', 1)));
        }
        if (popup)
            popup->close();
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
        row("ipv6", 3,
            "txtIpv6Address scrIpv6Length btnIpv6Previous btnIpv6Next spnIpv6SplitLength "
            "btnIpv6SaveSubnets lstIpv6Subnets");
        // Undo and Redo are disabled until there is an edit, so Tab passes them by.
        row("planner", 4,
            "actNewPlanButton actOpenPlanButton actSavePlanButton actSavePlanAsButton "
            "actExportCsvButton actCopyAnswerButton txtParent cboMode chkRfc3021 picPlan tblNeeds "
            "cmdAddNeed cmdRemoveNeed cmdPasteNeeds cmdMoveNeedUp cmdMoveNeedDown tblAnswer "
            "cmdCopyAnswer");
        // The page without the browser plugin: entered, then each of its links in turn.
        row("ferol", 5,
            "txtFerol AboutLumbra AboutLumbra about-practice-exams Guarantee "
            "about-practice-exams AboutTraining AboutTraining",
            "txtFerol AboutTraining AboutTraining about-practice-exams Guarantee "
            "about-practice-exams AboutLumbra AboutLumbra");
        // From OK, the one other stop; its logo is named too.
        row("about", 6, "cmdShowEula");
    }

    void everyControlIsReachedAndNamedOnce()
    {
        QFETCH(int, tab);
        QFETCH(QString, forward);
        QFETCH(QString, backward);
        m_window->findChild<QLineEdit*>("sub_address_0")->setText("192");
        tabs()->setCurrentIndex(tab % tabs()->count());
        QWidget* top = tab < tabs()->count() ? tabs()->widget(tab) : about();
        QWidget* start =
            tab < tabs()->count() ? tabs()->tabBar() : top->findChild<QWidget*>("cmdOK");
        QStringList stops = walk(start, Qt::Key_Tab);
        QCOMPARE(stops.join(' '), forward);
        // The visible focusable controls and pictures, and the list that only shows while
        // Tab is in it, each named, each name its own; an octet box says which it is. A
        // result is heard by its name and its value, and shows the focus a click gives it.
        QStringList names;
        for (QWidget* control : top->findChildren<QWidget*>()) {
            const auto* picture = qobject_cast<const QLabel*>(control);
            if ((control->focusPolicy() == Qt::NoFocus &&
                 !(picture && !picture->pixmap().isNull())) ||
                (!control->isVisibleTo(top) && !stops.contains(control->objectName())))
                continue;
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
            const QString name = accessible->text(QAccessible::Name);
            const QString id = control->objectName() + " named \"" + name + "\"";
            QVERIFY2(!name.isEmpty() && !names.contains(name), qPrintable(id));
            names << name;
            const int index = control->objectName().back().digitValue();
            if (qobject_cast<QLineEdit*>(control) && index >= 0)
                QVERIFY2(name.endsWith(QString(", octet %1 of 4").arg(index % 4 + 1)),
                         qPrintable(id));
            if (auto* label = qobject_cast<ResultLabel*>(control)) {
                QAccessibleTextInterface* text = accessible->textInterface();
                QVERIFY2(text && !label->text().isEmpty() && name != label->text(), qPrintable(id));
                QCOMPARE(accessible->text(QAccessible::Value), label->text());
                QCOMPARE(text->text(0, text->characterCount()), label->text());
                const QImage unfocused = label->grab().toImage();
                label->setFocus(Qt::MouseFocusReason);
                QVERIFY2(label->grab().toImage() != unfocused, qPrintable(id));
            }
        }
        std::reverse(stops.begin(), stops.end());
        QCOMPARE(walk(start, Qt::Key_Backtab).join(' '),
                 backward.isEmpty() ? stops.join(' ') : backward);
    }
};

QTEST_MAIN(TestFrmWelcome2)
#include "tst_frmwelcome2.moc"
