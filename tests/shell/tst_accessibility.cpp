#include "shell/frmabout.h"
#include "shell/frmwelcome2.h"

#include "core/resultlabel.h"
#include "support/recordingshellservices.h"

#include <QAccessible>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTest>

#include <algorithm>
#include <memory>

namespace {

QAccessibleInterface* Accessible(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object);
}

QString AccessibleName(QObject* object)
{
    QAccessibleInterface* accessible = Accessible(object);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

    RecordingShellServices m_services;
    std::unique_ptr<frmWelcome2> m_window;

    QTabWidget* tabs() const { return m_window->findChild<QTabWidget*>("TabStrip1"); }

    // Presses key from the tab strip until the focus is back on it; the stops between,
    // each marked "!" when it looked the same with the focus as without it.
    QStringList walk(Qt::Key key) const
    {
        QStringList stops;
        QWidget* focus = tabs()->tabBar();
        focus->setFocus();
        for (int press = 0; press < 30; ++press) {
            const QImage focused = focus->grab().toImage();
            QTest::keyClick(focus, key);
            if (focus != tabs()->tabBar() && focus->grab().toImage() == focused)
                stops.last() += "!";
            focus = QApplication::focusWidget();
            if (focus == tabs()->tabBar())
                return stops;
            stops << focus->objectName();
            // In the pane's page Tab moves from link to link: the stop is the link.
            auto* page = qobject_cast<QTextBrowser*>(focus);
            if (page && page->textCursor().hasSelection()) {
                QTextCursor link(page->document());
                link.setPosition(page->textCursor().selectionEnd());
                stops.last() += QUrl(link.charFormat().anchorHref()).path();
            }
        }
        return stops << "<trapped>";
    }

    void tabRows()
    {
        QTest::addColumn<int>("tab");
        QTest::newRow("subnet") << 0;
        QTest::newRow("wildcard") << 1;
        QTest::newRow("decimal") << 2;
        QTest::newRow("ferol") << 3;
    }

private slots:
    void init()
    {
        // A table row naming no control warns while the window is built.
        QTest::failOnWarning(QRegularExpression(".*"));
        m_window = std::make_unique<frmWelcome2>(m_services);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }

    void tabCyclesThroughEachTabAndBack_data()
    {
        // Shift+Tab visits the stops in reverse unless the row says otherwise.
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("forward");
        QTest::addColumn<QString>("backward");
        QTest::newRow("subnet") << 0
                                << "sub_address_0 sub_address_1 sub_address_2 sub_address_3 "
                                   "scr_mask_bits btnPrevSubnet btnNextSubnet "
                                   "btnNextTwentySubnets chk_31bit"
                                << "";
        QTest::newRow("wildcard") << 1
                                  << "ipadd1_0 ipadd1_1 ipadd1_2 ipadd1_3 ipadd1_4 ipadd1_5 "
                                     "ipadd1_6 ipadd1_7 btnCalculate btnSendToNotepad "
                                     "validip_0 validip_1 validip_2 validip_3"
                                  << "";
        // Tab onto the list button opens the list and moves into it; Shift+Tab only stops.
        QTest::newRow("decimal") << 2
                                 << "txtIpAddy_0 txtIpAddy_1 txtIpAddy_2 txtIpAddy_3 "
                                    "lstIpHistory txtDecimal Text1"
                                 << "Text1 txtDecimal vscrollHistory txtIpAddy_3 txtIpAddy_2 "
                                    "txtIpAddy_1 txtIpAddy_0";
        // The page without the browser plugin: entered, then each of its links in turn.
        QTest::newRow("ferol") << 3
                               << "txtFerol txtFerol/AboutLumbra.html txtFerol/AboutLumbra.html "
                                  "txtFerol/about-practice-exams.html txtFerol/Guarantee.html "
                                  "txtFerol/about-practice-exams.html "
                                  "txtFerol/AboutTraining.html txtFerol/AboutTraining.html"
                               << "txtFerol txtFerol/AboutTraining.html "
                                  "txtFerol/AboutTraining.html "
                                  "txtFerol/about-practice-exams.html txtFerol/Guarantee.html "
                                  "txtFerol/about-practice-exams.html "
                                  "txtFerol/AboutLumbra.html txtFerol/AboutLumbra.html";
    }

    void tabCyclesThroughEachTabAndBack()
    {
        QFETCH(int, tab);
        QFETCH(QString, forward);
        QFETCH(QString, backward);
        tabs()->setCurrentIndex(tab);
        QStringList stops = walk(Qt::Key_Tab);
        QCOMPARE(stops.join(' '), forward);
        if (backward.isEmpty()) {
            std::reverse(stops.begin(), stops.end());
            backward = stops.join(' ');
        }
        QCOMPARE(walk(Qt::Key_Backtab).join(' '), backward);
    }

    void paneLinkOpensByEnter()
    {
        tabs()->setCurrentIndex(3);
        QTest::keyClick(tabs()->tabBar(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(m_services.webAddresses.size(), 1);
        QVERIFY(m_services.webAddresses[0].contains("/aboutlumbra.html", Qt::CaseInsensitive));
    }

    void everyFocusableControlIsNamedOnce_data() { tabRows(); }

    void everyFocusableControlIsNamedOnce()
    {
        QFETCH(int, tab);
        tabs()->setCurrentIndex(tab);
        // The visible focusable controls, and the list that only shows while Tab is in it.
        const QStringList stops = walk(Qt::Key_Tab);
        QList<QWidget*> controls = tabs()->widget(tab)->findChildren<QWidget*>();
        controls.removeIf([&stops](const QWidget* widget) {
            return widget->focusPolicy() == Qt::NoFocus ||
                   (widget->isHidden() && !stops.contains(widget->objectName()));
        });
        QMap<QString, QString> owners;
        static const QRegularExpression element("_(\\d)$");
        for (QWidget* control : std::as_const(controls)) {
            const QString name = AccessibleName(control);
            const QString id = control->objectName() + " named \"" + name + "\"";
            QVERIFY2(!name.isEmpty(), qPrintable(id));
            QVERIFY2(!owners.contains(name), qPrintable(id + " like " + owners.value(name)));
            owners.insert(name, control->objectName());
            const QRegularExpressionMatch octet = element.match(control->objectName());
            if (qobject_cast<QLineEdit*>(control) && octet.hasMatch())
                QVERIFY2(name.endsWith(
                             QString(", octet %1 of 4").arg(octet.captured(1).toInt() % 4 + 1)),
                         qPrintable(id));
        }
    }

    void resultLabelsSayWhatTheirValueIs()
    {
        const QStringList octets = {"192", "168", "1", "130"};
        for (int k = 0; k < 4; ++k)
            m_window->findChild<QLineEdit*>("sub_address_" + QString::number(k))
                ->setText(octets[k]);
        QTest::keyClick(tabs()->tabBar(), Qt::Key_Tab);
        const QList<ResultLabel*> labels = tabs()->widget(0)->findChildren<ResultLabel*>();
        QVERIFY(!labels.isEmpty());
        for (ResultLabel* label : labels) {
            QAccessibleInterface* accessible = Accessible(label);
            const QString value = label->text();
            const QString name = accessible->text(QAccessible::Name);
            QVERIFY2(!value.isEmpty() && !name.isEmpty() && name != value,
                     qPrintable(label->objectName() + ": " + name));
            QCOMPARE(accessible->role(), QAccessible::StaticText);
            QCOMPARE(accessible->text(QAccessible::Value), value);
            QAccessibleTextInterface* text = accessible->textInterface();
            QVERIFY(text);
            QCOMPARE(text->text(0, text->characterCount()), value);
            // A click gives the label the focus; once the keyboard is in use, it shows.
            const QImage unfocused = label->grab().toImage();
            label->setFocus(Qt::MouseFocusReason);
            QVERIFY2(label->grab().toImage() != unfocused, qPrintable(label->objectName()));
        }
    }

    void aboutDialogNamesItsControlsAndCycles()
    {
        frmAbout about(m_services, m_window.get());
        about.show();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        QStringList stops;
        for (int press = 0; press < 3; ++press) {
            QWidget* focus = about.focusWidget();
            stops << focus->objectName() + "=" + AccessibleName(focus);
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        QCOMPARE(stops.join(' '), "cmdOK=OK cmdShowEula=View DODA cmdOK=OK");
        QCOMPARE(AccessibleName(about.findChild<QWidget*>("imgFerolOrb")), "Ferol logo");
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
