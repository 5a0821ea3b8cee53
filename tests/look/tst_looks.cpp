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

// Whether device row `at` (column, when down) stands out from the colour most of the
// image has along nine tenths of its middle four fifths: a drawn line, not stray strokes
// or rounded corners.
bool LineAt(const QImage& image, int at, bool down)
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
    int differing = 0;
    for (int i = length / 10; i < length * 9 / 10; ++i) {
        const QRgb pixel = down ? image.pixel(at, i) : image.pixel(i, at);
        differing += qAbs(qGray(pixel) - qGray(background)) > 24 ? 1 : 0;
    }
    return differing * 10 >= (length * 8 / 10) * 9;
}

// The lines drawn along a box's sides, or "line" for a rule one pixel high among the rows
// around it. A scaled edge lands on either of two device rows (columns).
QString DrawnLines(const QWidget& widget, bool rule)
{
    constexpr int kAround = 3;
    const QImage image = Drawn(widget, rule ? kAround : 0);
    const qreal scale = image.devicePixelRatio();
    QStringList lines;
    const auto look = [&](const char* name, int from, int to, bool down) {
        for (int at = from; at <= to; ++at) {
            if (LineAt(image, at, down)) {
                lines << name;
                return;
            }
        }
    };
    if (rule) {
        look("line", int(kAround * scale) - 1, int((kAround + 1) * scale) + 1, false);
        return lines.join(' ');
    }
    look("top", 0, 1, false);
    look("bottom", image.height() - 2, image.height() - 1, false);
    look("left", 0, 1, true);
    look("right", image.width() - 2, image.width() - 1, true);
    return lines.join(' ');
}

double Contrast(QRgb a, QRgb b)
{
    const auto luminance = [](QRgb colour) {
        const auto linear = [](int channel) {
            const double c = channel / 255.0;
            return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) +
               0.0722 * linear(qBlue(colour));
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
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

    // Builds the main window after the theme is set, as a desktop's theme is, and shows
    // the tab of this key, or the About dialog for "About". The subnet tab shows
    // 192.168.1.130 typed into its host boxes, key by key; "DecimalIpCalc list" is the
    // decimal tab with its list of examples open and an entry highlighted.
    QWidget* show(DesktopTheme theme, const QString& where)
    {
        UseDesktopTheme(theme);
        SetUpApplication();
        m_window = std::make_unique<frmWelcome2>(m_services);
        m_window->show();
        m_window->activateWindow();
        (void)QTest::qWaitForWindowActive(m_window.get());
        if (where == "About") {
            m_window->findChild<QAction*>("mnuAbout")->trigger();
            auto* about = m_window->findChild<QWidget*>("frmAbout");
            (void)QTest::qWaitForWindowExposed(about);
            return about;
        }
        QTabBar* tabs = m_window->findChild<QTabWidget*>("TabStrip1")->tabBar();
        for (int index = 0; index < tabs->count(); ++index) {
            if (where.startsWith(tabs->tabData(index).toString()))
                QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
        }
        QWidget* tab = m_window->findChild<QTabWidget*>("TabStrip1")->currentWidget();
        if (where == "SubnetMaskCalc") {
            tab->findChild<QWidget*>("sub_address_0")->setFocus();
            for (char key : QByteArray("192.168.1.130"))
                QTest::keyClick(QApplication::focusWidget(), key);
        }
        if (where == "DecimalIpCalc list") {
            QTest::mouseClick(tab->findChild<QWidget*>("vscrollHistory"), Qt::LeftButton);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        }
        QCoreApplication::processEvents();
        return tab;
    }

private slots:
    void textsReadInEveryTheme_data()
    {
        QTest::addColumn<DesktopTheme>("theme");
        QTest::addColumn<QString>("where");
        for (const DesktopTheme theme : {DesktopTheme::Light, DesktopTheme::Dark}) {
            const char* name = theme == DesktopTheme::Light ? "light" : "dark";
            for (const char* where : {"SubnetMaskCalc", "WildcardMaskCkr", "DecimalIpCalc", "About",
                                      "DecimalIpCalc list"})
                QTest::addRow("%s %s", name, where) << theme << QString(where);
        }
    }

    // A list shows one text per entry, each with its own colours.
    void textsReadInEveryTheme()
    {
        QFETCH(DesktopTheme, theme);
        QFETCH(QString, where);
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
        for (QWidget* widget : show(theme, where)->findChildren<QWidget*>()) {
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
            if (!list && text.isValid())
                measure(*widget, widget->objectName(), text.toString(), [&](const QString& t) {
                    const QSignalBlocker quiet(widget);
                    widget->setProperty(property, t);
                });
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
        const auto row = [](const char* name, const char* where, const char* widget,
                            const char* drawn) {
            QTest::newRow(name) << QString(where) << QString(widget) << QString(drawn);
        };
        const char* box = "top bottom left right";
        row("worksheet rule under the mask", "SubnetMaskCalc", "Line1_0", "line");
        row("decimal upper rule", "DecimalIpCalc", "Line1", "line");
        row("About's engraved line", "About", "Line1_0", "line");
        row("wildcard list 1", "WildcardMaskCkr", "validip_0", box);
        row("explanation box", "DecimalIpCalc", "Text1", box);
        row("list of examples", "DecimalIpCalc list", "lstIpHistory", box);
    }

    void linesAndBordersDrawn()
    {
        QFETCH(QString, where);
        QFETCH(QString, name);
        QFETCH(QString, drawn);
        auto* widget = show(DesktopTheme::Light, where)->findChild<QWidget*>(name);
        QVERIFY(widget && widget->isVisible());
        QCOMPARE(DrawnLines(*widget, drawn == "line"), drawn);
    }
};

QTEST_MAIN(TestLooks)
#include "tst_looks.moc"
