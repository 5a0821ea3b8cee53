#include "lookwindow.h"

#include <QHash>

#include <algorithm>
#include <cstdlib>

namespace {

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

} // namespace

// Every design line and every list's border is drawn, at least one device pixel wide,
// at the scale factor the test runs at (150 % unless QT_SCALE_FACTOR says otherwise).
class TestLines : public QObject
{
    Q_OBJECT

private slots:
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
        QCOMPARE(drawn == "line" ? DrawnRule(*widget) : DrawnSides(*widget), drawn);
    }
};

QTEST_MAIN(TestLines)
#include "tst_lines.moc"
