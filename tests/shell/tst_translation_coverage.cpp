#include "shell/frmabout.h"
#include "shell/frmwelcome2.h"

#include "support/paneldriver.h"
#include "testing/recordingshellservices.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSet>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QTranslator>
#include <QXmlStreamReader>

#include <memory>

namespace {

// Every translated text comes back wrapped in these, so a text on screen without them
// never went through tr().
const QString kOpen = QStringLiteral("\u27e6");
const QString kClose = QStringLiteral("\u27e7");

// Answers every lookup with the source text marked, and remembers what was looked up.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override
    {
        Q_UNUSED(disambiguation)
        Q_UNUSED(n)
        if (!sourceText || !*sourceText)
            return {};
        asked.insert({QString::fromUtf8(context), QString::fromUtf8(sourceText)});
        return kOpen + QString::fromUtf8(sourceText) + kClose;
    }
    bool isEmpty() const override { return false; }

    mutable QSet<std::pair<QString, QString>> asked;
};

// (context, source) of every message in a catalogue.
QSet<std::pair<QString, QString>> CatalogueEntries(const QString& path)
{
    QSet<std::pair<QString, QString>> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            entries.insert({context, xml.readElementText()});
    }
    return entries;
}

// What is left of a text once translated parts, addresses, numbers and names are taken
// out: any word still there is English that no translator will see.
QString UntranslatedWords(QString text)
{
    if (Qt::mightBeRichText(text))
        text = QTextDocumentFragment::fromHtml(text).toPlainText();
    // Innermost first: a translated text may hold another ("⟦⟦Host address⟧, octet 1 of 4⟧").
    static const QRegularExpression marked(QStringLiteral("\u27e6[^\u27e6\u27e7]*\u27e7"));
    // Addresses, masks, binary and hex groups, prefix lengths and counts; "ip6.arpa" names.
    static const QRegularExpression values(
        QStringLiteral("[0-9A-Fa-f]*[0-9:][0-9A-Fa-f:./^()-]*|ip6\\.arpa|in-addr\\.arpa"));
    // Product and maker names, and the standard's name, stay as they are in every language.
    static const QRegularExpression names(
        QStringLiteral("\\b(Ferol Subnet Calculator|Ferol|RFC)\\b"));
    while (text.contains(marked))
        text.remove(marked);
    text.remove(values).remove(names);
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    return word.match(text).hasMatch() ? text.simplified() : QString();
}

} // namespace

// Every text the windows show or tell assistive technology went through tr(), and each
// one is in the translation catalogue: an English word left in a window, or a text added
// without updating the catalogues, fails here.
class TestTranslationCoverage : public QObject
{
    Q_OBJECT

    MarkingTranslator m_translator;
    RecordingShellServices m_services;
    QStringList m_untranslated;

    void check(const QString& where, const QString& text)
    {
        const QString left = UntranslatedWords(text);
        if (!left.isEmpty())
            m_untranslated << QStringLiteral("%1: \"%2\" (%3)").arg(where, text, left);
    }

    void checkActions(const QString& where, const QList<QAction*>& actions)
    {
        for (QAction* action : actions) {
            check(where + QLatin1Char('/') + action->objectName(), action->text());
            if (action->menu())
                checkActions(where + QLatin1Char('/') + action->objectName(),
                             action->menu()->actions());
        }
    }

    // Every text of window and its visible controls.
    void checkWindow(QWidget* window)
    {
        check(window->objectName(), window->windowTitle());
        QList<QWidget*> widgets = window->findChildren<QWidget*>();
        widgets.prepend(window);
        for (QWidget* widget : widgets) {
            if (!widget->isVisibleTo(window) && widget != window)
                continue;
            const QString where = widget->objectName().isEmpty()
                                      ? QString::fromLatin1(widget->metaObject()->className())
                                      : widget->objectName();
            check(where, widget->accessibleName());
            check(where, widget->accessibleDescription());
            check(where, widget->toolTip());
            if (auto* label = qobject_cast<QLabel*>(widget))
                check(where, label->text());
            else if (auto* button = qobject_cast<QAbstractButton*>(widget))
                check(where, button->text());
            else if (auto* box = qobject_cast<QGroupBox*>(widget))
                check(where, box->title());
            else if (auto* line = qobject_cast<QLineEdit*>(widget)) {
                check(where, line->text());
                check(where, line->placeholderText());
            } else if (auto* spin = qobject_cast<QSpinBox*>(widget))
                check(where, spin->prefix() + spin->suffix());
            else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget))
                check(where, plain->toPlainText());
            else if (auto* tabBar = qobject_cast<QTabBar*>(widget)) {
                for (int i = 0; i < tabBar->count(); ++i)
                    check(where, tabBar->tabText(i) + QLatin1Char(' ') + tabBar->tabToolTip(i));
            }
            // The promotional page is the maker's own copy and stays English.
            if (auto* view = qobject_cast<QAbstractItemView*>(widget);
                view && view->model() && !qobject_cast<QTextBrowser*>(widget)) {
                const QAbstractItemModel& model = *view->model();
                for (int column = 0; column < model.columnCount(); ++column) {
                    check(where, model.headerData(column, Qt::Horizontal).toString());
                    for (int row = 0; row < model.rowCount(); ++row) {
                        check(where, model.index(row, column).data().toString());
                        check(where, model.index(row, column).data(Qt::ToolTipRole).toString());
                    }
                }
            }
        }
    }

    // Opens the window on tab (by its key) and runs the panel driver's steps there.
    static void runOnTab(frmWelcome2& window, const QString& tab, const QString& steps)
    {
        const PanelDriver driver(window);
        auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("TabStrip1"));
        QVERIFY(tabs);
        int index = 0;
        while (index < tabs->count() && tabs->tabBar()->tabData(index).toString() != tab)
            ++index;
        QVERIFY(index < tabs->count());
        tabs->setCurrentIndex(index);
        QCoreApplication::processEvents();
        driver.run(steps);
        QCoreApplication::processEvents();
    }

    // The bytes of the report the steps on tab wrote, empty when none was written.
    QByteArray reportAfter(const QString& tab, const QString& steps)
    {
        QTemporaryDir documents;
        m_services = {};
        m_services.documentsFolderPath = documents.path();
        frmWelcome2 window(m_services);
        runOnTab(window, tab, steps);
        if (m_services.textViewerPaths.isEmpty())
            return {};
        QFile report(m_services.textViewerPaths.constLast());
        return report.open(QIODevice::ReadOnly) ? report.readAll() : QByteArray();
    }

private slots:
    void initTestCase() { QCoreApplication::installTranslator(&m_translator); }

    void init()
    {
        m_untranslated.clear();
        m_services = {};
        m_services.yesAnswer = false;
    }

    // Each tab as it opens and after steps that fill its results (the panel driver's, typed
    // a key at a time to the focused control), with the menus.
    void everyTextTranslated_data()
    {
        QTest::addColumn<QString>("tab");
        QTest::addColumn<QString>("steps");
        const auto row = [](const char* name, const char* tab, const QString& steps) {
            QTest::newRow(name) << QString(tab) << steps;
        };
        const QString address = "focus:sub_address_0 type:";
        const QString ipv6 = "focus:txtIpv6Address key:Ctrl+A type:";
        const QString parent = "focus:txtParent key:Ctrl+A type:";
        row("subnet, as opened", "SubnetMaskCalc", "");
        row("subnet, /31", "SubnetMaskCalc",
            address + "192.168.1.4 focus:scr_mask_bits key:End key:Left");
        row("subnet, all-ones subnet", "SubnetMaskCalc",
            address + "10.255.255.255 focus:scr_mask_bits key:Home" +
                QString(" key:Right").repeated(11));
        row("subnet, supernet", "SubnetMaskCalc",
            address + "192.1.1.1 focus:scr_mask_bits key:Home");
        row("wildcard", "WildcardMaskCkr", "mouse:btnCalculate");
        row("decimal", "DecimalIpCalc", "focus:txtDecimal type:7");
        row("ipv6, as opened", "Ipv6Calc", "");
        row("ipv6, Teredo", "Ipv6Calc", ipv6 + "2001:0:4136:e378:8000:63bf:3fff:fdd2");
        row("ipv6, mapped /40 split", "Ipv6Calc", ipv6 + "::ffff:10.1.2.3/40");
        row("ipv6, refused", "Ipv6Calc", ipv6 + "2001:db8::g");
        row("planner, as opened", "Planner", "");
        row("planner, IPv4 parent", "Planner", parent + "10.0.0.0/22 key:Return");
        row("planner, refused parent", "Planner", parent + "10.0.0.300/22 key:Return");
        row("Ferol", "Ferol", "");
    }

    void everyTextTranslated()
    {
        QFETCH(QString, tab);
        QFETCH(QString, steps);
        frmWelcome2 window(m_services);
        runOnTab(window, tab, steps);
        checkWindow(&window);
        checkActions(QStringLiteral("menu"), window.menuBar()->actions());
        QVERIFY2(m_untranslated.isEmpty(), qPrintable(m_untranslated.join(QLatin1Char('\n'))));
    }

    // Reports are read by other programs: the same bytes whatever the window speaks.
    void reportsStayEnglish_data()
    {
        QTest::addColumn<QString>("tab");
        QTest::addColumn<QString>("steps");
        QTest::newRow("subnet list")
            << "SubnetMaskCalc"
            << "focus:sub_address_0 type:192.168.1.130 mouse:btnNextTwentySubnets";
        QTest::newRow("wildcard report") << "WildcardMaskCkr"
                                         << "mouse:btnCalculate mouse:btnSendToNotepad";
        QTest::newRow("IPv6 subnet list") << "Ipv6Calc"
                                          << "focus:txtIpv6Address key:Ctrl+A type:2001:db8::/60 "
                                             "mouse:btnIpv6SaveSubnets";
    }

    void reportsStayEnglish()
    {
        QFETCH(QString, tab);
        QFETCH(QString, steps);
        const QByteArray translated = reportAfter(tab, steps);
        QCoreApplication::removeTranslator(&m_translator);
        const QByteArray english = reportAfter(tab, steps);
        QCoreApplication::installTranslator(&m_translator);
        QVERIFY(!english.isEmpty());
        QCOMPARE(translated, english);
    }

    void questionsAndAbout()
    {
        frmWelcome2 window(m_services);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.close();
        QVERIFY(!m_services.questions.isEmpty());
        for (const RecordedMessage& question : m_services.questions) {
            check(QStringLiteral("question title"), question.title);
            check(QStringLiteral("question"), question.text);
        }
        // The subnet panel's last subnet tells so in a message box.
        if (auto* next = window.findChild<QAbstractButton*>(QStringLiteral("btnNextSubnet"))) {
            for (QLineEdit* box : window.findChildren<QLineEdit*>(
                     QRegularExpression(QStringLiteral("^sub_address_\\d$"))))
                box->setText(QStringLiteral("255"));
            next->click();
        }
        QVERIFY(!m_services.messages.isEmpty());
        for (const RecordedMessage& message : m_services.messages) {
            check(QStringLiteral("message title"), message.title);
            check(QStringLiteral("message"), message.text);
        }
        frmAbout about(m_services, &window);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        checkWindow(&about);
        QVERIFY2(m_untranslated.isEmpty(), qPrintable(m_untranslated.join(QLatin1Char('\n'))));
    }

    // Runs last, after every window above asked for its texts.
    void everyTextInTheCatalogues()
    {
        const QSet<std::pair<QString, QString>> catalogue =
            CatalogueEntries(QStringLiteral(FEROL_TRANSLATIONS_DIR "/ferol_de.ts"));
        QVERIFY2(!catalogue.isEmpty(), "no catalogue at " FEROL_TRANSLATIONS_DIR);
        QStringList missing;
        for (const auto& [context, source] : m_translator.asked) {
            // Qt's own texts (QTabBar's scroll buttons, ...) are in Qt's catalogue.
            const bool qts =
                context.size() > 1 && context[0] == QLatin1Char('Q') && context[1].isUpper();
            if (!qts && !catalogue.contains({context, source}))
                missing << context + QStringLiteral(": ") + source;
        }
        missing.sort();
        QVERIFY2(m_translator.asked.size() > 50, "the windows asked for too few texts");
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestTranslationCoverage)
#include "tst_translation_coverage.moc"
