// Room for longer captions on a design-placed panel: what moves, what stays, what stays
// aligned, and which frames grow.

#include "core/caption_room.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <memory>

namespace {

constexpr char kLong[] = "A caption far longer than its design rectangle";

// Builds a panel from lines "name x y width height [caption]": a name with a caption is
// a label, "frame" a plain widget others are placed in ("frame/box"), any other a box.
std::unique_ptr<QWidget> Panel(const QStringList& lines)
{
    auto panel = std::make_unique<QWidget>();
    panel->resize(800, 400);
    for (const QString& line : lines) {
        const QStringList f = line.split(' ');
        const QRect rect(f[1].toInt(), f[2].toInt(), f[3].toInt(), f[4].toInt());
        const QStringList path = f[0].split('/');
        QWidget* parent = path.size() > 1 ? panel->findChild<QWidget*>(path[0]) : panel.get();
        QWidget* widget = nullptr;
        if (f.size() > 5)
            widget = new QLabel(f.mid(5).join(' ').replace("LONG", kLong), parent);
        else if (path.last().startsWith("frame"))
            widget = new QWidget(parent);
        else
            widget = new QLineEdit(parent);
        widget->setObjectName(path.last());
        widget->setGeometry(rect);
    }
    return panel;
}

} // namespace

class tst_CaptionRoom : public QObject
{
    Q_OBJECT

private slots:
    void room_data()
    {
        QTest::addColumn<QStringList>("layout");
        QTest::addColumn<QStringList>("staying");
        QTest::addColumn<QStringList>("moving");
        QTest::addColumn<QStringList>("alignedPairs");
        QTest::addColumn<bool>("panelGrows");

        QTest::newRow("caption that fits")
            << QStringList{"caption 0 0 80 17 Host", "box 84 0 50 19", "under 84 30 50 19"}
            << QStringList{"box", "under"} << QStringList{} << QStringList{} << false;
        QTest::newRow("long caption pushes its row and the column under it")
            << QStringList{"caption 0 0 80 17 LONG", "box 84 0 50 19", "box2 140 0 50 19",
                           "under 84 30 50 19", "left 0 30 50 19"}
            << QStringList{"left"} << QStringList{"box", "box2", "under"}
            << QStringList{"box=under"} << true;
        QTest::newRow("caption rectangle running under its neighbour, text short of it")
            << QStringList{"caption 0 0 120 17 Net:", "value 60 0 80 17 10.0.0.0"}
            << QStringList{"value"} << QStringList{} << QStringList{} << false;
        QTest::newRow("rows sharing a pixel are apart")
            << QStringList{"caption 0 0 80 17 LONG", "below 84 16 50 19"} << QStringList{"below"}
            << QStringList{} << QStringList{} << true;
        QTest::newRow("frame grows and pushes what stands beside it")
            << QStringList{"frame 0 0 120 40", "frame/caption 4 4 80 17 LONG", "beside 124 0 50 19"}
            << QStringList{} << QStringList{"beside"} << QStringList{} << true;
    }

    void room()
    {
        QFETCH(QStringList, layout);
        QFETCH(QStringList, staying);
        QFETCH(QStringList, moving);
        QFETCH(QStringList, alignedPairs);
        QFETCH(bool, panelGrows);
        const std::unique_ptr<QWidget> panel = Panel(layout);
        QMap<QString, int> before;
        for (const QWidget* widget : panel->findChildren<QWidget*>())
            before[widget->objectName()] = widget->x();

        const int growth = MakeRoomForCaptions(*panel);

        QCOMPARE(growth > 0, panelGrows);
        const auto* caption = panel->findChild<QLabel*>("caption");
        const int textEnd = caption->mapTo(panel.get(), QPoint(0, 0)).x() +
                            caption->fontMetrics().horizontalAdvance(caption->text());
        QVERIFY2(caption->width() >= caption->fontMetrics().horizontalAdvance(caption->text()),
                 "the caption is still cut");
        for (const QString& name : staying)
            QCOMPARE(panel->findChild<QWidget*>(name)->x(), before[name]);
        for (const QString& name : moving) {
            const QWidget* widget = panel->findChild<QWidget*>(name);
            QVERIFY2(widget->x() > before[name], qPrintable(name + " did not move"));
            if (widget->parentWidget() == caption->parentWidget())
                QVERIFY2(widget->x() >= textEnd || widget->y() > caption->geometry().bottom(),
                         qPrintable(name + " still under the caption's text"));
        }
        for (const QString& pair : alignedPairs) {
            const QStringList names = pair.split('=');
            QCOMPARE(panel->findChild<QWidget*>(names[0])->x(),
                     panel->findChild<QWidget*>(names[1])->x());
        }
    }
};

QTEST_MAIN(tst_CaptionRoom)
#include "tst_caption_room.moc"
