// What the windows look like to a user of a light or a dark desktop theme, at a scale
// factor of 150 % unless QT_SCALE_FACTOR names another: every text readable against what
// is drawn behind it, every design line and list border drawn. Both are read from the
// pixels the windows draw, in device pixels.

#include "shell/application_setup.h"
#include "shell/frmwelcome2.h"
#include "testing/desktop_theme.h"
#include "testing/recordingshellservices.h"

#include <QAction>
#include <QApplication>
#include <QHash>
#include <QImage>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

namespace {

// The main window built after the theme is set, as a desktop's theme is.
class LookWindow
{
public:
    explicit LookWindow(DesktopTheme theme)
    {
        UseDesktopTheme(theme);
        SetUpApplication();
        m_window = std::make_unique<frmWelcome2>(m_services);
        m_window->show();
        m_window->activateWindow();
        (void)QTest::qWaitForWindowActive(m_window.get());
    }

    // Shows the tab of this key, or the About dialog for "About", and returns it. The
    // subnet tab shows 192.168.1.130 typed into its host boxes, key by key; "DecimalIpCalc
    // list" is the decimal tab with its list of examples open and an entry highlighted.
    QWidget* show(const QString& where)
    {
        if (where == QLatin1String("About")) {
            m_window->findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();
            auto* about = m_window->findChild<QWidget*>(QStringLiteral("frmAbout"));
            (void)QTest::qWaitForWindowExposed(about);
            return about;
        }
        auto* tabs = m_window->findChild<QTabWidget*>(QStringLiteral("TabStrip1"));
        for (int index = 0; index < tabs->count(); ++index) {
            if (where.startsWith(tabs->tabBar()->tabData(index).toString()))
                QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {},
                                  tabs->tabBar()->tabRect(index).center());
        }
        if (where == QLatin1String("SubnetMaskCalc")) {
            tabs->currentWidget()->findChild<QWidget*>(QStringLiteral("sub_address_0"))->setFocus();
            for (QChar key : QStringLiteral("192.168.1.130"))
                QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
        }
        if (where == QLatin1String("DecimalIpCalc list")) {
            QTest::mouseClick(
                tabs->currentWidget()->findChild<QWidget*>(QStringLiteral("vscrollHistory")),
                Qt::LeftButton);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        }
        QCoreApplication::processEvents();
        return tabs->currentWidget();
    }

    // What the widget's window draws over the widget's rect and margin pixels above and
    // below it, in device pixels.
    static QImage drawn(const QWidget& widget, int margin = 0)
    {
        QWidget* window = widget.window();
        const QRect rect(widget.mapTo(window, QPoint(0, 0)), widget.size());
        return window->grab(rect.adjusted(0, -margin, 0, margin)).toImage();
    }

private:
    RecordingShellServices m_services;
    std::unique_ptr<frmWelcome2> m_window;
};

// 150 % unless QT_SCALE_FACTOR names another scale: there a one-pixel line can fall
// between two rows of device pixels. Set before QTEST_MAIN's QApplication reads it.
void DrawAtOneAndAHalfUnlessChosen()
{
    if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR"))
        qputenv("QT_SCALE_FACTOR", "1.5");
}
Q_CONSTRUCTOR_FUNCTION(DrawAtOneAndAHalfUnlessChosen)

// The colour most of the image has.
QRgb Background(const QImage& image)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    }
    return std::max_element(counts.keyValueBegin(), counts.keyValueEnd(),
                            [](const auto& a, const auto& b) { return a.second < b.second; })
        ->first;
}

// Whether device row `at` (column, when down) stands out from the background along nine
// tenths of its middle four fifths: a drawn line, not stray strokes or rounded corners.
bool LineAt(const QImage& image, QRgb background, int at, bool down)
{
    const int length = down ? image.height() : image.width();
    int differing = 0;
    for (int i = length / 10; i < length * 9 / 10; ++i) {
        const QRgb pixel = down ? image.pixel(at, i) : image.pixel(i, at);
        differing += qAbs(qGray(pixel) - qGray(background)) > 24 ? 1 : 0;
    }
    return differing * 10 >= (length * 8 / 10) * 9;
}

// The sides of a box whose outline is drawn; either of the two device rows (columns) at
// an edge may carry it, as the scaled edge lands on one or the other.
QString DrawnSides(const QWidget& box)
{
    const QImage image = LookWindow::drawn(box);
    const QRgb back = Background(image);
    const int w = image.width();
    const int h = image.height();
    QStringList sides;
    const auto side = [&](const char* name, int at, int next, bool down) {
        if (LineAt(image, back, at, down) || LineAt(image, back, next, down))
            sides << name;
    };
    side("top", 0, 1, false);
    side("bottom", h - 1, h - 2, false);
    side("left", 0, 1, true);
    side("right", w - 1, w - 2, true);
    return sides.join(' ');
}

// "line" when a rule one pixel high stands out from the rows around it.
QString DrawnRule(const QWidget& rule)
{
    constexpr int kAround = 3;
    const QImage image = LookWindow::drawn(rule, kAround);
    const qreal scale = image.devicePixelRatio();
    for (int y = int(kAround * scale) - 1; y <= int((kAround + 1) * scale) + 1; ++y) {
        if (LineAt(image, Background(image), y, false))
            return QStringLiteral("line");
    }
    return QStringLiteral("nothing");
}

double Luminance(QRgb colour)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) +
           0.0722 * linear(qBlue(colour));
}

double Contrast(QRgb a, QRgb b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A text a widget shows, and a way to take it out and put it back without any handler
// of the program noticing. A list shows one text per entry, each with its own colours.
struct ShownText
{
    QString name;
    QString text;
    std::function<void(const QString&)> set;
};

QList<ShownText> TextsOf(QWidget* widget)
{
    QList<ShownText> texts;
    if (auto* list = qobject_cast<QListWidget*>(widget)) {
        for (int row = 0; row < list->count(); ++row) {
            QListWidgetItem* item = list->item(row);
            texts.append(
                {widget->objectName() + ' ' + item->text(), item->text(), [item](const QString& t) {
                     item->setText(t);
                 }});
        }
        return texts;
    }
    const char* property = qobject_cast<QPlainTextEdit*>(widget) ? "plainText" : "text";
    const QVariant text = widget->property(property);
    if (text.isValid()) {
        texts.append({widget->objectName(), text.toString(), [widget, property](const QString& t) {
                          const QSignalBlocker quiet(widget);
                          widget->setProperty(property, t);
                      }});
    }
    return texts;
}

// The contrast of a text against what is drawn behind it: the window is drawn with the
// text and without it, and every pixel the text changed is compared with what lies there
// without it. The text's own colour shows where its strokes cover a whole pixel, so the
// best-contrasted pixel is the text's colour against its background.
double TextContrast(const QWidget& widget, const ShownText& shown)
{
    const QImage with = LookWindow::drawn(widget);
    shown.set(QString());
    const QImage without = LookWindow::drawn(widget);
    shown.set(shown.text);
    double best = 1.0;
    for (int y = 0; y < with.height(); ++y) {
        for (int x = 0; x < with.width(); ++x) {
            if (with.pixel(x, y) != without.pixel(x, y))
                best = std::max(best, Contrast(with.pixel(x, y), without.pixel(x, y)));
        }
    }
    return best;
}

} // namespace

class TestLooks : public QObject
{
    Q_OBJECT

private slots:
    void textsReadInEveryTheme_data()
    {
        QTest::addColumn<DesktopTheme>("theme");
        QTest::addColumn<QString>("where");
        const struct
        {
            const char* name;
            DesktopTheme theme;
        } themes[] = {{"light", DesktopTheme::Light}, {"dark", DesktopTheme::Dark}};
        for (const auto& theme : themes) {
            for (const char* where :
                 {"SubnetMaskCalc", "WildcardMaskCkr", "DecimalIpCalc", "About"})
                QTest::addRow("%s %s", theme.name, where) << theme.theme << QString(where);
            QTest::addRow("%s examples open", theme.name)
                << theme.theme << QStringLiteral("DecimalIpCalc list");
        }
    }
    void textsReadInEveryTheme()
    {
        QFETCH(DesktopTheme, theme);
        QFETCH(QString, where);
        LookWindow look(theme);
        QWidget* shown = look.show(where);

        QStringList measured;
        QStringList unreadable;
        for (QWidget* widget : shown->findChildren<QWidget*>()) {
            if (!widget->isVisible())
                continue;
            for (const ShownText& text : TextsOf(widget)) {
                if (text.text.isEmpty())
                    continue;
                const double contrast = TextContrast(*widget, text);
                measured << text.name;
                if (contrast < 4.5)
                    unreadable << QStringLiteral("%1 %2:1").arg(text.name).arg(contrast, 0, 'f', 1);
            }
        }
        QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(", ")));
        // The measure saw the texts it should: nothing vanished from the search.
        QVERIFY2(measured.size() >= 6, qPrintable(measured.join(' ')));
    }

    void linesAndBordersDrawn_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("drawn");
        const auto row = [](const char* name, const char* where, const QString& widget,
                            const char* drawn) {
            QTest::newRow(name) << QString(where) << widget << QString(drawn);
        };
        const char* rule = "line";
        const char* box = "top bottom left right";
        row("worksheet rule under the mask", "SubnetMaskCalc", "Line1_0", rule);
        row("decimal upper rule", "DecimalIpCalc", "Line1", rule);
        row("About's engraved line", "About", "Line1_0", rule);
        row("wildcard list 1", "WildcardMaskCkr", "validip_0", box);
        row("explanation box", "DecimalIpCalc", "Text1", box);
        row("list of examples", "DecimalIpCalc list", "lstIpHistory", box);
    }
    void linesAndBordersDrawn()
    {
        QFETCH(QString, where);
        QFETCH(QString, name);
        QFETCH(QString, drawn);
        LookWindow look(DesktopTheme::Light);
        QWidget* shown = look.show(where);
        auto* widget = shown->findChild<QWidget*>(name);
        QVERIFY(widget && widget->isVisible());
        QCOMPARE(drawn == "line" ? DrawnRule(*widget) : DrawnSides(*widget), drawn);
    }
};

QTEST_MAIN(TestLooks)
#include "tst_looks.moc"
