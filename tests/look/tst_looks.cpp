// What the windows look like, measured on every tab and the About box at the scale factor
// QT_SCALE_FACTOR gives (CTest runs 100 % and 200 %): in every language the program ships
// and in a pseudo-language (each text 40 % longer, accented and bracketed, its catalogue
// written from the German one by scripts/pseudo_language.py), no caption or button text
// cut, no control's text over another's, nothing beyond its frame or the window; under a
// light and a dark desktop theme, every text readable against what is drawn behind it,
// read from the pixels drawn. In English the design-placed tabs keep the design's places.
// ferol-render draws the tabs to look at.

#include "core/user_language.h"
#include "shell/application_setup.h"
#include "shell/frmwelcome2.h"
#include "support/contrast.h"
#include "support/paneldriver.h"
#include "testing/desktop_theme.h"
#include "testing/recordingshellservices.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QTranslator>

#include <algorithm>
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

// Texts without room on the shown controls of panel, one line each.
QStringList Crowded(QWidget& panel)
{
    QStringList problems;
    const QRect window = panel.window()->rect();
    QList<QWidget*> texts;
    for (QWidget* widget : panel.findChildren<QWidget*>()) {
        // Qt's own parts of a control (a spin box's text box, a tab bar's arrows) are Qt's
        // to place.
        const QString name = widget->objectName();
        if (!widget->isVisible() || name.startsWith("qt_") ||
            (ShownText(*widget).isEmpty() && !qobject_cast<const QLineEdit*>(widget)))
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

// What the widget's window draws over the widget.
QImage Drawn(const QWidget& widget)
{
    return widget.window()
        ->grab(QRect(widget.mapTo(widget.window(), QPoint(0, 0)), widget.size()))
        .toImage();
}

// The contrast of a text against what is drawn behind it: the window is drawn with the
// text and without it (set puts a text in place without any handler of the program
// noticing), and every pixel the text changed is compared with what lies there without
// it. The text's own colour shows where its strokes cover a whole pixel, so the
// best-contrasted pixel is the text's colour against its background.
double TextContrast(const QWidget& widget, const QString& text,
                    const std::function<void(const QString&)>& set)
{
    const QImage with = Drawn(widget);
    set(QString());
    const QImage without = Drawn(widget);
    set(text);
    double best = 1.0;
    for (int y = 0; y < with.height(); ++y) {
        for (int x = 0; x < with.width(); ++x) {
            if (with.pixel(x, y) != without.pixel(x, y))
                best = std::max(best, Contrast(with.pixel(x, y), without.pixel(x, y)));
        }
    }
    return best;
}

// The texts on panel below the least contrast a text needs, and how many were measured.
// A list shows one text per entry, each with its own colours.
QStringList Unreadable(QWidget& panel, int& measured)
{
    QStringList unreadable;
    const auto measure = [&](const QWidget& widget, const QString& name, const QString& text,
                             const std::function<void(const QString&)>& set) {
        if (text.isEmpty())
            return;
        const double contrast = TextContrast(widget, text, set);
        ++measured;
        if (contrast < 4.5)
            unreadable << QString("%1 %2:1").arg(name).arg(contrast, 0, 'f', 1);
    };
    for (QWidget* widget : panel.findChildren<QWidget*>()) {
        if (!widget->isVisible())
            continue;
        auto* list = qobject_cast<QListWidget*>(widget);
        for (int row = 0; list && row < list->count(); ++row) {
            QListWidgetItem* item = list->item(row);
            measure(*widget, widget->objectName() + ' ' + item->text(), item->text(),
                    [item](const QString& t) { item->setText(t); });
        }
        const char* property = qobject_cast<QPlainTextEdit*>(widget) ? "plainText" : "text";
        const QVariant text = widget->property(property);
        // A spin box's text is read-only; its own line edit holds it and is measured.
        const int index = widget->metaObject()->indexOfProperty(property);
        const bool writable = index >= 0 && widget->metaObject()->property(index).isWritable();
        if (!list && text.isValid() && writable)
            measure(*widget, widget->objectName(), text.toString(), [&](const QString& t) {
                const QSignalBlocker quiet(widget);
                widget->setProperty(property, t);
            });
    }
    return unreadable;
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
        } else if (code != QLatin1String("en")) {
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

class tst_Looks : public QObject
{
    Q_OBJECT

    RecordingShellServices m_services;

private slots:
    void initTestCase() { SetUpApplication(QStringLiteral("en")); }

    void everyPlaceReadableWithRoom_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<DesktopTheme>("theme");
        QTest::addColumn<QString>("steps"); // the panel driver's, "tab:KEY", "about"
        // The subnet tab with the longest of host addresses typed, the decimal tab's list of
        // examples open with an entry highlighted, the planner with a need.
        const char* const places[][2] = {
            {"subnet", "focus:sub_address_0 type:223.255.255.253"},
            {"wildcard", "tab:WildcardMaskCkr"},
            {"decimal", "tab:DecimalIpCalc mouse:vscrollHistory key:Down"},
            {"IPv6", "tab:Ipv6Calc"},
            {"planner", "tab:Planner mouse:txtParent type:10.0.0.0/24 mouse:cmdAddNeed"},
            {"Ferol", "tab:Ferol"},
            {"About", "about"}};
        // The theme changes colours only, never sizes: readable is measured in both themes
        // in the pseudo-language, room in every language under the light theme.
        for (const char* language : kLanguages) {
            const bool pseudo = language == QLatin1String("pseudo");
            for (const DesktopTheme theme : {DesktopTheme::Light, DesktopTheme::Dark}) {
                for (const auto& [name, steps] : places) {
                    if (theme == DesktopTheme::Light || pseudo)
                        QTest::addRow("%s %s %s", language,
                                      theme == DesktopTheme::Light ? "light" : "dark", name)
                            << QString(language) << theme << QString(steps);
                }
            }
        }
    }

    void everyPlaceReadableWithRoom()
    {
        QFETCH(QString, language);
        QFETCH(DesktopTheme, theme);
        QFETCH(QString, steps);
        const InstalledLanguage installed(language);
        QVERIFY2(installed.loaded(), qPrintable(language));
        UseDesktopTheme(theme);
        frmWelcome2 window(m_services);
        auto* tabs = window.findChild<QTabWidget*>("TabStrip1");
        // At the size the window gives itself, not the driver's.
        const QSize own = window.size();
        const PanelDriver driver(window);
        window.resize(own);
        driver.run(steps, [&](const QString& step, const QString& key) {
            if (step == "about")
                window.findChild<QAction*>("mnuAbout")->trigger();
            for (int i = 0; step.startsWith("tab:") && i < tabs->count(); ++i) {
                if (tabs->tabBar()->tabData(i).toString() == key)
                    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {},
                                      tabs->tabBar()->tabRect(i).center());
            }
            return step == "about" || step.startsWith("tab:");
        });
        auto* about = window.findChild<QWidget*>("frmAbout");
        QVERIFY(!about || QTest::qWaitForWindowExposed(about));
        QCoreApplication::processEvents();
        QWidget* shown = about ? about : tabs->currentWidget();
        if (steps.startsWith("tab:"))
            QCOMPARE(tabs->tabBar()->tabData(tabs->currentIndex()).toString(),
                     steps.section(QLatin1Char(' '), 0, 0).mid(4));
        if (language == QLatin1String("pseudo"))
            QVERIFY2(tabs->tabText(0).startsWith(QLatin1Char('[')),
                     "the pseudo-language is not in use");

        const QStringList crowded = Crowded(*shown);
        QVERIFY2(crowded.isEmpty(), qPrintable(crowded.join(QStringLiteral("\n   "))));
        // The Ferol tab's page is a document in its own colours, with no control's text to
        // take away and put back.
        if (language != QLatin1String("pseudo") || steps == QLatin1String("tab:Ferol"))
            return;
        int measured = 0;
        const QStringList unreadable = Unreadable(*shown, measured);
        QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(", ")));
        // The measure saw the texts it should: nothing vanished from the search.
        QVERIFY2(measured >= 3, qPrintable(QString::number(measured)));
    }

    // Room made for longer words must leave the English window as the design drew it: the
    // window, the design-placed tabs and every named control on them where
    // original_geometry.txt records them ("name x y width height", a control in its tab's
    // coordinates, a tab in the window's), within 3 pixels.
    void designTabsAsDesigned()
    {
        const InstalledLanguage english(QStringLiteral("en"));
        UseDesktopTheme(DesktopTheme::Light);
        frmWelcome2 window(m_services);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* tabs = window.findChild<QTabWidget*>("TabStrip1");
        QFile file(QStringLiteral(FEROL_GEOMETRY_FILE));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        QStringList moved;
        int compared = 0;
        for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
            const QStringList f = line.split(' ');
            if (f.size() != 5 || line.startsWith('#'))
                continue;
            auto* panel = window.findChild<QWidget*>(f[0].section('/', 0, 0));
            if (panel)
                tabs->setCurrentWidget(panel);
            QCoreApplication::processEvents();
            QWidget* control = f[0].contains('/') && panel
                                   ? panel->findChild<QWidget*>(f[0].section('/', 1))
                                   : (panel ? panel : &window);
            const QRect now(control ? control->mapTo(control == panel ? &window : panel, QPoint())
                                    : QPoint(),
                            control ? control->size() : QSize());
            const QRect recorded(f[1].toInt(), f[2].toInt(), f[3].toInt(), f[4].toInt());
            const QRect apart(now.topLeft() - recorded.topLeft(),
                              now.bottomRight() - recorded.bottomRight());
            ++compared;
            if (!control || std::max({qAbs(apart.left()), qAbs(apart.top()), qAbs(apart.right()),
                                      qAbs(apart.bottom())}) > 3)
                moved << f[0];
        }
        QVERIFY2(compared > 50 && moved.isEmpty(), qPrintable(moved.join(' ')));
    }
};

QTEST_MAIN(tst_Looks)
#include "tst_looks.moc"
