// Where the three design-placed tabs put their controls in English at 100 %, against the
// positions recorded in original_geometry.txt: every named control within 3 pixels of
// its recorded place and size, and no recorded control missing. Making room for longer
// words in other languages must leave the English window as it was.
//
// To record the positions anew (only when the design itself changes on purpose):
//   FEROL_RECORD_GEOMETRY=tests/look/original_geometry.txt build/tests/look/tst_original_geometry

#include "shell/application_setup.h"
#include "shell/frmwelcome2.h"
#include "testing/recordingshellservices.h"

#include <QApplication>
#include <QFile>
#include <QMap>
#include <QTabWidget>
#include <QTest>
#include <QTextStream>

namespace {

// The tabs placed by the design's rectangles rather than by Qt layouts.
constexpr const char* kDesignPanels[] = {"ucSubnetCalc1", "ucWildCardChecker1", "ucDecimalCalc21"};
constexpr int kTolerance = 3;

// "panel/control" and its rectangle in the panel's coordinates; controls that Qt names
// itself (qt_*) are internals of a control, not placed by the panel.
QMap<QString, QRect> Measured(frmWelcome2& window)
{
    QMap<QString, QRect> rects;
    auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("TabStrip1"));
    for (const char* name : kDesignPanels) {
        auto* panel = window.findChild<QWidget*>(QLatin1String(name));
        if (!panel)
            continue;
        tabs->setCurrentWidget(panel);
        QCoreApplication::processEvents();
        rects.insert(QLatin1String(name), QRect(panel->mapTo(&window, QPoint()), panel->size()));
        for (const QWidget* child : panel->findChildren<QWidget*>()) {
            if (child->objectName().isEmpty() || child->objectName().startsWith("qt_"))
                continue;
            rects.insert(QLatin1String(name) + '/' + child->objectName(),
                         QRect(child->mapTo(panel, QPoint()), child->size()));
        }
    }
    rects.insert(QStringLiteral("window"), QRect(QPoint(), window.size()));
    return rects;
}

QMap<QString, QRect> Recorded()
{
    QMap<QString, QRect> rects;
    QFile file(QStringLiteral(FEROL_GEOMETRY_FILE));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return rects;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QStringList fields = in.readLine().split(' ', Qt::SkipEmptyParts);
        if (fields.size() == 5 && !fields[0].startsWith('#'))
            rects.insert(fields[0], QRect(fields[1].toInt(), fields[2].toInt(), fields[3].toInt(),
                                          fields[4].toInt()));
    }
    return rects;
}

QString Text(const QRect& rect)
{
    return QStringLiteral("%1 %2 %3 %4")
        .arg(rect.x())
        .arg(rect.y())
        .arg(rect.width())
        .arg(rect.height());
}

bool Near(const QRect& a, const QRect& b)
{
    return qAbs(a.x() - b.x()) <= kTolerance && qAbs(a.y() - b.y()) <= kTolerance &&
           qAbs(a.right() - b.right()) <= kTolerance && qAbs(a.bottom() - b.bottom()) <= kTolerance;
}

} // namespace

class tst_OriginalGeometry : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        SetUpApplication();
        m_window = std::make_unique<frmWelcome2>(m_services);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_measured = Measured(*m_window);
        const QString recordTo = qEnvironmentVariable("FEROL_RECORD_GEOMETRY");
        if (recordTo.isEmpty())
            return;
        QFile file(recordTo);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Text));
        QTextStream out(&file);
        out << "# control x y width height, in pixels at 100 %, English\n";
        for (auto it = m_measured.cbegin(); it != m_measured.cend(); ++it)
            out << it.key() << ' ' << Text(it.value()) << '\n';
    }

    void controlWhereItWas_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("recorded");
        const QMap<QString, QRect> recorded = Recorded();
        if (recorded.size() < 50)
            QTest::newRow("recorded positions") << QString() << QRect();
        for (auto it = recorded.cbegin(); it != recorded.cend(); ++it)
            QTest::newRow(qPrintable(it.key())) << it.key() << it.value();
    }

    void controlWhereItWas()
    {
        QFETCH(QString, control);
        QFETCH(QRect, recorded);
        QVERIFY2(!control.isEmpty(), "too few recorded positions to compare with");
        QVERIFY2(m_measured.contains(control), "the control is gone");
        const QRect now = m_measured.value(control);
        QVERIFY2(Near(now, recorded),
                 qPrintable(QStringLiteral("now %1, recorded %2").arg(Text(now), Text(recorded))));
    }

private:
    RecordingShellServices m_services;
    std::unique_ptr<frmWelcome2> m_window;
    QMap<QString, QRect> m_measured;
};

QTEST_MAIN(tst_OriginalGeometry)
#include "tst_original_geometry.moc"
