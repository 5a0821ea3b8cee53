// What the planner's picture looks like under a light and a dark desktop theme, at the
// scale factor QT_SCALE_FACTOR gives (CTest runs it at 100 % and at 200 %): every block's
// label readable on its fill, the selected one too, and tiny blocks still drawn and said
// to be widened. Read from the pixels the picture draws, in device pixels.

#include "planner/answermodel.h"
#include "planner/plan_document.h"
#include "planner/planpicture.h"
#include "planner/ucplanner.h"
#include "support/contrast.h"
#include "testing/desktop_theme.h"

#include <QApplication>
#include <QImage>
#include <QTableView>
#include <QTest>

#include <cmath>

Q_DECLARE_METATYPE(DesktopTheme)

namespace {

// The contrast of the strongest stroke inside a block against the colour most of the
// block has: its label against its fill, where a label is drawn at all.
double LabelContrast(const QImage& image, const QRect& inside)
{
    QHash<QRgb, int> counts;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++counts[image.pixel(x, y)];
    }
    QRgb fill = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            fill = it.key();
        }
    }
    double best = 1.0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = std::max(best, Contrast(it.key(), fill));
    return best;
}

} // namespace

class TestPlannerLook : public QObject
{
    Q_OBJECT

private slots:
    void labelsReadable_data();
    void labelsReadable();
};

void TestPlannerLook::labelsReadable_data()
{
    QTest::addColumn<DesktopTheme>("theme");
    QTest::addColumn<QString>("parent");
    QTest::newRow("light, IPv4") << DesktopTheme::Light << "10.0.0.0/24";
    QTest::newRow("dark, IPv4") << DesktopTheme::Dark << "10.0.0.0/24";
    QTest::newRow("light, IPv6") << DesktopTheme::Light << "2001:db8::/48";
    QTest::newRow("dark, IPv6") << DesktopTheme::Dark << "2001:db8::/48";
}

void TestPlannerLook::labelsReadable()
{
    QFETCH(DesktopTheme, theme);
    QFETCH(QString, parent);
    UseDesktopTheme(theme);
    ucPlanner panel;
    panel.resize(800, 600);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    PlanDocument& document = panel.document();
    document.setParentText(parent);
    // Large needs to carry labels, and one so small it must be widened to be seen.
    const bool ipv4 = !parent.contains(':');
    document.insertNeeds(0, {{"Head office", net::NeedSize::count(ipv4 ? 100 : 2000)},
                             {"Branch", net::NeedSize::count(ipv4 ? 50 : 1000)},
                             {"Link", net::NeedSize::prefixLength(ipv4 ? 32 : 128)}});
    auto* picture = panel.findChild<PlanPicture*>("picPlan");
    auto* table = panel.findChild<QTableView*>("tblAnswer");
    table->selectRow(1);
    QCoreApplication::processEvents();

    const QImage image = picture->grab().toImage();
    const qreal scale = image.devicePixelRatio();
    const int margin = int(std::ceil(3 * scale));
    QStringList unreadable;
    int measured = 0;
    const QAbstractItemModel& model = *table->model();
    for (int row = 0; row < model.rowCount(); ++row) {
        const QRect block = picture->blockRect(row);
        QVERIFY2(block.width() >= picture->minimumBlockWidth(), qPrintable(QString::number(row)));
        // Only blocks wide enough to carry a label have one to read.
        if (block.width() < picture->fontMetrics().averageCharWidth() * 6)
            continue;
        const QRect device(
            QPoint(int(block.left() * scale) + margin, int(block.top() * scale) + margin),
            QPoint(int((block.right() + 1) * scale) - 1 - margin,
                   int((block.bottom() + 1) * scale) - 1 - margin));
        const double contrast = LabelContrast(image, device);
        ++measured;
        if (contrast < 4.5)
            unreadable << QString("row %1 %2:1").arg(row).arg(contrast, 0, 'f', 1);
    }
    QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(", ")));
    QVERIFY2(measured >= 3, qPrintable(QString::number(measured)));
    QVERIFY(picture->widenedCount() >= 1);
}

QTEST_MAIN(TestPlannerLook)
#include "tst_planner_look.moc"
