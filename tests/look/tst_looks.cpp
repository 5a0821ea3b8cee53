// What the windows look like to a user of a light or a dark desktop theme, at a scale
// factor of 150 % unless QT_SCALE_FACTOR names another: every text readable against what
// is drawn behind it, every design line and list border drawn. Both are read from the
// pixels the windows draw, in device pixels.

#include "shell/application_setup.h"
#include "shell/frmwelcome2.h"
#include "support/contrast.h"
#include "support/paneldriver.h"
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
#include <functional>
#include <memory>

namespace {

// There a one-pixel line can fall between two rows of device pixels. Set before
// QTEST_MAIN's QApplication reads it.
void DrawAtOneAndAHalfUnlessChosen()
{
    if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR"))
        qputenv("QT_SCALE_FACTOR", "1.5");
}
Q_CONSTRUCTOR_FUNCTION(DrawAtOneAndAHalfUnlessChosen)

// What the widget's window draws over the widget and margin pixels above and below it.
QImage Drawn(const QWidget& widget, int margin = 0)
{
    const QRect rect(widget.mapTo(widget.window(), QPoint(0, 0)), widget.size());
    return widget.window()->grab(rect.adjusted(0, -margin, 0, margin)).toImage();
}

// Whether one of the device rows (columns, when down) from..to stands out from the colour
// most of the image has along nine tenths of its middle four fifths: a drawn line, not
// stray strokes or rounded corners.
bool LineAmong(const QImage& image, int from, int to, bool down)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    }
    const QRgb background =
        std::max_element(counts.keyValueBegin(), counts.keyValueEnd(),
                         [](const auto& a, const auto& b) { return a.second < b.second; })
            ->first;
    const int length = down ? image.height() : image.width();
    for (int at = from; at <= to; ++at) {
        int differing = 0;
        for (int i = length / 10; i < length * 9 / 10; ++i) {
            const QRgb pixel = down ? image.pixel(at, i) : image.pixel(i, at);
            differing += qAbs(qGray(pixel) - qGray(background)) > 24 ? 1 : 0;
        }
        if (differing * 10 >= (length * 8 / 10) * 9)
            return true;
    }
    return false;
}

// The sides of a box along which a line is drawn, or "line" for a rule one pixel high
// among the rows around it. A scaled edge lands on either of two device rows (columns).
QString DrawnLines(const QWidget* widget, bool rule)
{
    constexpr int kAround = 3;
    if (!widget || !widget->isVisible())
        return "not shown";
    const QImage image = Drawn(*widget, rule ? kAround : 0);
    const qreal scale = image.devicePixelRatio();
    QStringList lines;
    const auto look = [&](const char* name, int from, int to, bool down) {
        if (LineAmong(image, from, to, down))
            lines << name;
    };
    if (rule)
        look("line", int(kAround * scale) - 1, int((kAround + 1) * scale) + 1, false);
    if (!rule) {
        look("top", 0, 1, false);
        look("bottom", image.height() - 2, image.height() - 1, false);
        look("left", 0, 1, true);
        look("right", image.width() - 2, image.width() - 1, true);
    }
    return lines.join(' ');
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

} // namespace

class TestLooks : public QObject
{
    Q_OBJECT

    RecordingShellServices m_services;
    std::unique_ptr<frmWelcome2> m_window;

    // Builds the main window after the theme is set, as a desktop's theme is, runs the
    // steps on it (the panel driver's, "tab:N" to click tab N, "about" to open About) and
    // returns the dialog, or else the tab shown.
    QWidget* show(DesktopTheme theme, const QString& steps)
    {
        UseDesktopTheme(theme);
        SetUpApplication();
        m_window = std::make_unique<frmWelcome2>(m_services);
        auto* tabs = m_window->findChild<QTabWidget*>("TabStrip1");
        PanelDriver(*m_window).run(steps, [&](const QString& step, const QString& arg) {
            if (step == "about")
                m_window->findChild<QAction*>("mnuAbout")->trigger();
            else if (step.startsWith("tab:"))
                QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {},
                                  tabs->tabBar()->tabRect(arg.toInt()).center());
            return step == "about" || step.startsWith("tab:");
        });
        auto* about = m_window->findChild<QWidget*>("frmAbout");
        (void)(about && QTest::qWaitForWindowExposed(about));
        QCoreApplication::processEvents();
        return about ? about : tabs->currentWidget();
    }

private slots:
    void readableAndDrawnInEveryTheme_data()
    {
        QTest::addColumn<DesktopTheme>("theme");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("rule"); // a design line drawn there
        QTest::addColumn<QString>("box");  // a box drawn all round
        // The subnet tab with a host address typed, and the decimal tab's list of examples
        // open with an entry highlighted.
        const char* const places[][4] = {
            {"subnet", "focus:sub_address_0 type:192.168.1.130", "Line1_0", ""},
            {"wildcard", "tab:1", "", "validip_0"},
            {"decimal", "tab:2", "Line1", "Text1"},
            {"About", "about", "Line1_0", ""},
            {"examples open", "tab:2 mouse:vscrollHistory key:Down", "", "lstIpHistory"},
            {"IPv6", "tab:3", "", "txtIpv6Address"},
            {"planner", "tab:4 mouse:txtParent type:10.0.0.0/24 mouse:cmdAddNeed", "",
             "txtParent"}};
        for (const DesktopTheme theme : {DesktopTheme::Light, DesktopTheme::Dark}) {
            for (const auto& [name, steps, rule, box] : places)
                QTest::addRow("%s %s", theme == DesktopTheme::Light ? "light" : "dark", name)
                    << theme << QString(steps) << QString(rule) << QString(box);
        }
    }

    // A list shows one text per entry, each with its own colours.
    void readableAndDrawnInEveryTheme()
    {
        QFETCH(DesktopTheme, theme);
        QFETCH(QString, steps);
        QFETCH(QString, rule);
        QFETCH(QString, box);
        QWidget* shown = show(theme, steps);
        QStringList measured;
        QStringList unreadable;
        const auto measure = [&](const QWidget& widget, const QString& name, const QString& text,
                                 const std::function<void(const QString&)>& set) {
            if (text.isEmpty())
                return;
            const double contrast = TextContrast(widget, text, set);
            measured << name;
            if (contrast < 4.5)
                unreadable << QString("%1 %2:1").arg(name).arg(contrast, 0, 'f', 1);
        };
        for (QWidget* widget : shown->findChildren<QWidget*>()) {
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
        QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(", ")));
        // The measure saw the texts it should: nothing vanished from the search.
        QVERIFY2(measured.size() >= 6, qPrintable(measured.join(' ')));
        if (!rule.isEmpty())
            QCOMPARE(DrawnLines(shown->findChild<QWidget*>(rule), true), "line");
        if (!box.isEmpty())
            QCOMPARE(DrawnLines(shown->findChild<QWidget*>(box), false), "top bottom left right");
    }
};

QTEST_MAIN(TestLooks)
#include "tst_looks.moc"
