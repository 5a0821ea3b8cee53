#include "lookwindow.h"

#include <QHash>

#include <algorithm>
#include <cstdlib>

namespace {

// Runs at 150 % unless QT_SCALE_FACTOR names another scale: the first scale at which a
// one-pixel line can fall between two rows of device pixels. Set before QTEST_MAIN's
// QApplication reads it.
void DrawAtOneAndAHalfUnlessChosen()
{
    if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR"))
        qputenv("QT_SCALE_FACTOR", "1.5");
}
Q_CONSTRUCTOR_FUNCTION(DrawAtOneAndAHalfUnlessChosen)

bool Differs(QRgb a, QRgb b)
{
    constexpr int kTolerance = 24;
    return std::abs(qRed(a) - qRed(b)) > kTolerance ||
           std::abs(qGreen(a) - qGreen(b)) > kTolerance ||
           std::abs(qBlue(a) - qBlue(b)) > kTolerance;
}

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

// Whether a line of device pixels, from (x, y) in steps of (dx, dy), stands out from the
// background along nine tenths of its length at least: a drawn line, not stray strokes.
bool LineDrawn(const QImage& image, QRgb background, QPoint from, QPoint step, int length)
{
    int differing = 0;
    for (int i = 0; i < length; ++i) {
        const QPoint p = from + i * step;
        differing += Differs(image.pixel(p), background) ? 1 : 0;
    }
    return differing * 10 >= length * 9;
}

// Which sides of a box's outline are drawn: either of the two device rows (columns) at
// each edge may carry the edge, as the scaled edge lands on one or the other. The middle
// four fifths of each side are looked at, clear of rounded corners.
QString DrawnSides(const QWidget& box)
{
    const QImage image = LookWindow::drawn(box);
    const QRgb background = Background(image);
    const int w = image.width();
    const int h = image.height();
    const auto across = [&](int y) {
        return LineDrawn(image, background, {w / 10, y}, {1, 0}, w * 8 / 10);
    };
    const auto down = [&](int x) {
        return LineDrawn(image, background, {x, h / 10}, {0, 1}, h * 8 / 10);
    };
    QStringList sides;
    if (across(0) || across(1))
        sides << "top";
    if (across(h - 1) || across(h - 2))
        sides << "bottom";
    if (down(0) || down(1))
        sides << "left";
    if (down(w - 1) || down(w - 2))
        sides << "right";
    return sides.join(' ');
}

// Whether a line one pixel high is drawn: one of the device rows it may cover stands out
// from the rows around it.
bool RuleDrawn(const QWidget& rule)
{
    constexpr int kAround = 3;
    const QImage image = LookWindow::drawn(rule, kAround);
    const QRgb background = Background(image);
    const qreal scale = image.devicePixelRatio();
    const int first = static_cast<int>(kAround * scale) - 1;
    const int last = static_cast<int>((kAround + 1) * scale) + 1;
    for (int y = first; y <= last; ++y) {
        if (LineDrawn(image, background, {0, y}, {1, 0}, image.width()))
            return true;
    }
    return false;
}

} // namespace

// Every design line and every list's border is drawn, at least one device pixel wide,
// at the scale factor the test runs at (150 % by default).
class TestLines : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(qEnvironmentVariableIsSet("QT_SCALE_FACTOR")); }

    void linesAndBordersDrawn_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("drawn");
        const QString rule = QStringLiteral("line");
        const QString box = QStringLiteral("top bottom left right");
        QTest::newRow("worksheet rule under the mask") << "SubnetMaskCalc"
                                                       << "Line1_0" << rule;
        QTest::newRow("worksheet rule over the broadcast") << "SubnetMaskCalc"
                                                           << "Line1_1" << rule;
        QTest::newRow("decimal upper rule") << "DecimalIpCalc"
                                            << "Line1" << rule;
        QTest::newRow("decimal lower rule") << "DecimalIpCalc"
                                            << "Line2" << rule;
        QTest::newRow("About's engraved line") << "About"
                                               << "Line1_0" << rule;
        for (int i = 0; i < 4; ++i) {
            QTest::addRow("wildcard list %d", i + 1)
                << "WildcardMaskCkr" << QString("validip_%1").arg(i) << box;
        }
        QTest::newRow("explanation box") << "DecimalIpCalc"
                                         << "Text1" << box;
        QTest::newRow("list of examples") << "DecimalIpCalc"
                                          << "lstIpHistory" << box;
    }
    void linesAndBordersDrawn()
    {
        QFETCH(QString, where);
        QFETCH(QString, name);
        QFETCH(QString, drawn);
        LookWindow look(DesktopTheme::Light);
        QWidget* shown = look.show(where);
        if (name == "lstIpHistory")
            QTest::mouseClick(shown->findChild<QWidget*>("vscrollHistory"), Qt::LeftButton);
        QWidget* widget = shown->findChild<QWidget*>(name);
        QVERIFY(widget && widget->isVisible());
        if (drawn == "line")
            QCOMPARE(RuleDrawn(*widget) ? "line" : "nothing", drawn);
        else
            QCOMPARE(DrawnSides(*widget), drawn);
    }
};

QTEST_MAIN(TestLines)
#include "tst_lines.moc"
