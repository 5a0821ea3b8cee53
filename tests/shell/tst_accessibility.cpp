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

QString AccessibleText(QObject* object, QAccessible::Text kind = QAccessible::Name)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
    return accessible ? accessible->text(kind) : QString();
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

    RecordingShellServices m_services;
    std::unique_ptr<frmWelcome2> m_window;

    QTabWidget* tabs() const { return m_window->findChild<QTabWidget*>("TabStrip1"); }

    // Presses key from the tab strip until the focus is back on it; the stops between,
    // each marked "!" when it looked the same with the focus as without it. A stop in the
    // pane's page is the link Tab selected there.
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
        m_window = std::make_unique<frmWelcome2>(m_services);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
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
    }

    void everyControlIsReachedAndNamedOnce()
    {
        QFETCH(int, tab);
        QFETCH(QString, forward);
        QFETCH(QString, backward);
        tabs()->setCurrentIndex(tab);
        QStringList stops = walk(Qt::Key_Tab);
        QCOMPARE(stops.join(' '), forward);
        // The visible focusable controls, and the list that only shows while Tab is in it.
        QList<QWidget*> controls = tabs()->widget(tab)->findChildren<QWidget*>();
        controls.removeIf([&stops](const QWidget* widget) {
            return widget->focusPolicy() == Qt::NoFocus ||
                   (widget->isHidden() && !stops.contains(widget->objectName()));
        });
        QMap<QString, QString> owners;
        static const QRegularExpression element("_(\\d)$");
        for (QWidget* control : std::as_const(controls)) {
            const QString name = AccessibleText(control);
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
        QCOMPARE(walk(Qt::Key_Backtab).join(' '), backward.isEmpty() ? stops.join(' ') : backward);
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

    void aboutDialogNamesItsControlsAndCycles()
    {
        frmAbout about(m_services, m_window.get());
        about.show();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        QStringList stops{AccessibleText(about.findChild<QWidget*>("imgFerolOrb"))};
        for (int press = 0; press < 3; ++press) {
            stops << about.focusWidget()->objectName() + "=" + AccessibleText(about.focusWidget());
            QTest::keyClick(about.focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(stops.join(' '), "Ferol logo cmdOK=OK cmdShowEula=View DODA cmdOK=OK");
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
