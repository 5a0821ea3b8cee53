// Every tab in the pseudo-language (each text 40 % longer, accented and bracketed, built
// from a catalogue by scripts/pseudo_language.py) and in every language the program ships,
// and the window's dialogs and message boxes in the pseudo-language: no caption or button
// text cut, no control's text over another's, nothing beyond its frame or the window.
// ferol-render draws the tabs to look at.

#include "core/user_language.h"
#include "shell/application_setup.h"
#include "shell/desktopshellservices.h"
#include "shell/frmwelcome2.h"
#include "testing/desktop_theme.h"
#include "testing/recordingshellservices.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>

#include <functional>
#include <memory>

namespace {

// What a control shows as its text, without the & that marks an access key.
QString ShownText(const QWidget& widget)
{
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        text = label->textFormat() == Qt::RichText ? QString() : label->text();
    else if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        text = button->text();
    return QString(text).remove(QRegularExpression(QStringLiteral("&(?=[^&])")));
}

// Why a control's text does not fit it, or nothing when it does: a label's text must fit
// in its rectangle (wrapped, when the label wraps), a button's caption within its frame,
// a check box's beside its indicator.
QString Cut(const QWidget& widget)
{
    const QString text = ShownText(widget);
    if (text.isEmpty())
        return {};
    const QFontMetrics metrics(widget.font());
    int needed = 0;
    int room = widget.width();
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        if (label->wordWrap()) {
            // Wrapping breaks only between words: the longest must fit the width.
            if (label->width() < label->minimumSizeHint().width())
                return QStringLiteral("needs %1 pixels wide for its longest word, has %2")
                    .arg(label->minimumSizeHint().width())
                    .arg(label->width());
            const int height = label->heightForWidth(label->contentsRect().width());
            return height > label->height() + 1 ? QStringLiteral("needs %1 pixels high, has %2")
                                                      .arg(height)
                                                      .arg(label->height())
                                                : QString();
        }
        needed = metrics.size(0, text).width(); // the longest of its lines
        room = label->contentsRect().width();
    } else if (const auto* box = qobject_cast<const QCheckBox*>(&widget)) {
        QStyleOptionButton option;
        option.initFrom(box);
        needed = metrics.horizontalAdvance(text);
        room = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box).width();
    } else if (const auto* button = qobject_cast<const QPushButton*>(&widget)) {
        // Buttons wrap a long caption onto as many lines as their height holds.
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect inside =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QRect wrapped = metrics.boundingRect(inside, Qt::TextWordWrap, text);
        if (wrapped.height() > inside.height() || wrapped.width() > inside.width())
            return QStringLiteral("caption needs %1 x %2, has %3 x %4")
                .arg(wrapped.width())
                .arg(wrapped.height())
                .arg(inside.width())
                .arg(inside.height());
        return {};
    } else if (const auto* tool = qobject_cast<const QToolButton*>(&widget)) {
        // A tool button squeezed below the size its caption asks for clips the caption.
        needed = tool->sizeHint().width();
    }
    return needed > room ? QStringLiteral("needs %1 pixels wide, has %2").arg(needed).arg(room)
                         : QString();
}

// Where on panel a control draws its text: a label's text where its alignment puts it
// (its rectangle is often wider or higher), any other control's its whole face.
QRect TextArea(const QWidget& widget, QWidget& panel)
{
    QRect area = widget.rect();
    if (const auto* label = qobject_cast<const QLabel*>(&widget); label && !label->wordWrap()) {
        const QSize text = QFontMetrics(label->font()).size(Qt::TextShowMnemonic, label->text());
        area = QStyle::alignedRect(label->layoutDirection(), label->alignment(),
                                   text.boundedTo(label->contentsRect().size()),
                                   label->contentsRect());
    }
    return area.translated(widget.mapTo(&panel, QPoint()));
}

bool ShowsText(const QWidget& widget)
{
    return widget.isVisible() &&
           (!ShownText(widget).isEmpty() || qobject_cast<const QLineEdit*>(&widget));
}

// Problems of the shown controls on panel, one line each.
QStringList Problems(QWidget& panel)
{
    QStringList problems;
    const QRect window = panel.window()->rect();
    QList<QWidget*> texts;
    for (QWidget* widget : panel.findChildren<QWidget*>()) {
        // Qt's own parts of a control (a spin box's text box, a tab bar's arrows) are Qt's
        // to place; a message box's text and buttons are ours.
        const QString name = widget->objectName();
        if (!ShowsText(*widget) ||
            (name.startsWith("qt_") && !name.startsWith(QLatin1String("qt_msgbox"))))
            continue;
        texts.append(widget);
        if (const QString cut = Cut(*widget); !cut.isEmpty())
            problems << name + QStringLiteral(" cut: ") + cut + " \"" + ShownText(*widget) + '"';
        const QRect inWindow(widget->mapTo(panel.window(), QPoint()), widget->size());
        if (!window.contains(inWindow))
            problems << name + QStringLiteral(" runs out of the window");
        else if (!widget->parentWidget()->rect().contains(widget->geometry()))
            problems << name + QStringLiteral(" runs out of ") +
                            widget->parentWidget()->objectName();
    }
    for (int i = 0; i < texts.size(); ++i) {
        const QRect a = TextArea(*texts[i], panel);
        for (int j = i + 1; j < texts.size(); ++j) {
            // Design rectangles touch by a pixel here and there; text does not.
            const QRect both = a & TextArea(*texts[j], panel);
            if (both.width() > 1 && both.height() > 1)
                problems << texts[i]->objectName() + QStringLiteral(" overlaps ") +
                                texts[j]->objectName();
        }
    }
    return problems;
}

// The real boxes and dialogs, with the file choosers answered at once.
class ChosenFileServices : public DesktopShellServices
{
public:
    QString chooseFileToOpen(QWidget*, const QString&, const QString&, const QString&) override
    {
        return chosen;
    }
    QString chooseFileToSave(QWidget*, const QString&, const QString&, const QString&) override
    {
        return chosen;
    }
    void openWebAddress(QWidget*, const QString&) override {}

    QString chosen;
};

using WindowStep = std::function<void(frmWelcome2&, ChosenFileServices&, const QString& scratch)>;

// The window's tab strip, with the tab of that key selected.
QTabWidget* SelectTab(frmWelcome2& window, const QString& key)
{
    auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("TabStrip1"));
    for (int i = 0; i < tabs->count(); ++i) {
        if (tabs->tabBar()->tabData(i).toString() == key)
            tabs->setCurrentIndex(i);
    }
    return tabs;
}

void TypeIntoPlanner(frmWelcome2& window, const QString& text)
{
    auto* parentBox = SelectTab(window, QStringLiteral("Planner"))
                          ->currentWidget()
                          ->findChild<QWidget*>(QStringLiteral("txtParent"));
    parentBox->setFocus();
    QTest::keyClicks(QApplication::focusWidget(), text);
}

void PressOnWindow(frmWelcome2& window, const QKeySequence& keys)
{
    const QKeyCombination key = keys[0];
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &window, key.key(),
                    key.keyboardModifiers());
}

// The catalogues of one language, installed for as long as this lives: the pseudo-language,
// or a language the program ships, as the program loads it.
class InstalledLanguage
{
public:
    explicit InstalledLanguage(const QString& code)
    {
        if (code == QLatin1String("pseudo")) {
            auto pseudo = std::make_unique<QTranslator>();
            if (pseudo->load(QStringLiteral(FEROL_PSEUDO_QM)))
                m_catalogues.push_back(std::move(pseudo));
        } else {
            m_catalogues = LoadTranslations(UserLocale(code));
        }
        for (const auto& catalogue : m_catalogues)
            QCoreApplication::installTranslator(catalogue.get());
    }
    ~InstalledLanguage()
    {
        for (const auto& catalogue : m_catalogues)
            QCoreApplication::removeTranslator(catalogue.get());
    }
    InstalledLanguage(const InstalledLanguage&) = delete;
    InstalledLanguage& operator=(const InstalledLanguage&) = delete;

    bool loaded() const { return !m_catalogues.empty(); }

private:
    std::vector<std::unique_ptr<QTranslator>> m_catalogues;
};

// The pseudo-language first: it finds a text left out of a catalogue, and the most room
// asked. Then every language the program ships, with its own words.
constexpr const char* kLanguages[] = {"pseudo", "de", "fr", "es", "pt_BR", "ru", "zh_CN"};

} // namespace

Q_DECLARE_METATYPE(WindowStep)

class tst_PseudoLanguage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        SetUpApplication(QStringLiteral("en"));
        UseDesktopTheme(DesktopTheme::Light);
    }

    // The theme changes colours only, never sizes: one is enough here.
    void everyTabHasRoom_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("tab");
        for (const char* language : kLanguages) {
            for (const char* tab : {"SubnetMaskCalc", "WildcardMaskCkr", "DecimalIpCalc",
                                    "Ipv6Calc", "Planner", "Ferol"})
                QTest::addRow("%s %s", language, tab)
                    << QString::fromLatin1(language) << QString::fromLatin1(tab);
        }
    }

    void everyTabHasRoom()
    {
        QFETCH(QString, language);
        QFETCH(QString, tab);
        const InstalledLanguage installed(language);
        QVERIFY2(installed.loaded(), qPrintable(language));
        RecordingShellServices services;
        frmWelcome2 window(services);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTabWidget* tabs = SelectTab(window, tab);
        QCOMPARE(tabs->tabBar()->tabData(tabs->currentIndex()).toString(), tab);
        QCoreApplication::processEvents();
        if (language == QLatin1String("pseudo"))
            QVERIFY2(tabs->tabText(0).startsWith(QLatin1Char('[')),
                     "the pseudo-language is not in use");
        const QStringList problems = Problems(*tabs->currentWidget());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("\n   "))));
    }

    void everyBoxHasRoom_data()
    {
        QTest::addColumn<WindowStep>("opening"); // what the user does that opens the box
        QTest::newRow("About") << WindowStep(
            [](frmWelcome2& window, ChosenFileServices&, const QString&) {
                window.findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();
            });
        QTest::newRow("exit question") << WindowStep(
            [](frmWelcome2& window, ChosenFileServices&, const QString&) { window.close(); });
        QTest::newRow("unsaved plan question")
            << WindowStep([](frmWelcome2& window, ChosenFileServices&, const QString&) {
                   TypeIntoPlanner(window, QStringLiteral("10.0.0.0/24"));
                   window.close();
               });
        QTest::newRow("plan refused by save") << WindowStep(
            [](frmWelcome2& window, ChosenFileServices& services, const QString& scratch) {
                TypeIntoPlanner(window, QStringLiteral("10.0.0.0/24"));
                services.chosen = scratch + QStringLiteral("/no folder/plan.ferolplan");
                PressOnWindow(window, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
            });
    }

    void everyBoxHasRoom()
    {
        QFETCH(WindowStep, opening);
        const InstalledLanguage installed(QStringLiteral("pseudo"));
        QVERIFY(installed.loaded());
        QTemporaryDir scratch;
        QVERIFY(scratch.isValid());
        ChosenFileServices services;
        frmWelcome2 window(services);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // The box is looked at while it is up: a box asking a question holds the step
        // until it is answered, and is answered (rejected) once looked at.
        QStringList problems;
        QStringList seen; // the box's title, and a message box's text
        QTimer watcher;
        watcher.setInterval(10);
        connect(&watcher, &QTimer::timeout, this, [&] {
            auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            watcher.stop();
            seen << box->windowTitle();
            if (const auto* message = qobject_cast<const QMessageBox*>(box))
                seen << message->text();
            problems = Problems(*box);
            box->reject();
        });
        watcher.start();
        opening(window, services, scratch.path());
        QTRY_VERIFY2(!seen.isEmpty(), "no box opened");
        for (const QString& text : seen)
            QVERIFY2(text.startsWith(QLatin1Char('[')),
                     qPrintable("not in the pseudo-language: " + text));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("\n   "))));
    }
};

QTEST_MAIN(tst_PseudoLanguage)
#include "tst_pseudo_language.moc"
