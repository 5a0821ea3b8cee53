#include "pane_costs.h"

#include "shell/application_setup.h"
#include "shell/frmwelcome2.h"
#include "testing/recordingshellservices.h"
#include "webpane/ucferol.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 5;

// Resident memory of one process, KiB, from /proc.
long ResidentKiB(const QString& pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

// This process and its children (the engine's helper processes).
long TreeResidentKiB()
{
    const QString self = QString::number(QCoreApplication::applicationPid());
    long total = ResidentKiB(self);
    for (const QString& pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // Field 4 is the parent; the name before it is in parentheses.
        const QByteArray text = stat.readAll();
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (fields.value(1) == self.toLatin1())
            total += ResidentKiB(pid);
    }
    return total;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

struct FirstPaint
{
    double ms = 0;
    double mib = 0;
};

// Runs a copy of this benchmark from a folder of its own, with or without the plugin.
FirstPaint MeasureFirstPaint(bool withPlugin)
{
    QTemporaryDir folder;
    const QString program = folder.filePath(QStringLiteral("ferol-bench"));
    QFile::copy(QCoreApplication::applicationFilePath(), program);
#ifdef FEROL_PANE_PLUGIN_FILE
    if (withPlugin)
        QFile::copy(QStringLiteral(FEROL_PANE_PLUGIN_FILE),
                    folder.filePath(QFileInfo(QStringLiteral(FEROL_PANE_PLUGIN_FILE)).fileName()));
#else
    Q_UNUSED(withPlugin);
#endif
    std::vector<double> times;
    std::vector<double> memory;
    for (int run = 0; run < kRuns; ++run) {
        QProcess child;
        child.start(program, {QStringLiteral("--first-paint")});
        child.waitForFinished(60000);
        const QList<QByteArray> figures = child.readAllStandardOutput().trimmed().split(' ');
        times.push_back(figures.value(0).toDouble());
        memory.push_back(figures.value(1).toDouble() / 1024.0);
    }
    return {Median(times), Median(memory)};
}

struct TabTiming
{
    double ms = -1;
    bool engine = false;
};

// From selecting the pane's tab to its pageComposed.
TabTiming SelectPaneTab(RecordingShellServices& services, const QStringList& pluginFolders)
{
    QTabWidget tabs;
    tabs.addTab(new QWidget, QStringLiteral("first"));
    auto* pane = new ucFerol(services, pluginFolders);
    tabs.addTab(pane, QStringLiteral("Ferol"));
    tabs.resize(560, 480);
    tabs.show();
    const QDeadlineTimer exposure(5000);
    while (!tabs.windowHandle()->isExposed() && !exposure.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    if (!tabs.windowHandle()->isExposed())
        return {};
    bool composed = false;
    QEventLoop untilComposed;
    QObject::connect(pane, &ucFerol::pageComposed, &untilComposed, [&] {
        composed = true;
        untilComposed.quit();
    });
    QTimer::singleShot(60000, &untilComposed, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    tabs.setCurrentIndex(1);
    if (!composed)
        untilComposed.exec();
    if (!composed)
        return {};
    return {static_cast<double>(timer.nsecsElapsed()) / 1e6,
            pane->findChild<QWidget*>(QStringLiteral("wbFerol")) != nullptr};
}

} // namespace

int RunFirstPaintChild(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    SetUpApplication();
    RecordingShellServices services;
    frmWelcome2 window(services);
    QElapsedTimer timer;

    // The first paint event of the window ends the run.
    struct PaintWatch : QObject
    {
        QElapsedTimer* timer;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint && timer->isValid()) {
                std::printf("%.2f %ld\n", static_cast<double>(timer->nsecsElapsed()) / 1e6,
                            ResidentKiB(QString::number(QCoreApplication::applicationPid())));
                std::fflush(stdout);
                timer->invalidate();
                QCoreApplication::exit(0);
            }
            return false;
        }
    } watch;
    watch.timer = &timer;
    window.installEventFilter(&watch);
    timer.start();
    window.show();
    return app.exec();
}

void PrintPaneCosts()
{
    const FirstPaint without = MeasureFirstPaint(false);
    std::printf("main window first paint, no pane plugin:   median %.1f ms, %.1f MiB resident "
                "(%d runs)\n",
                without.ms, without.mib, kRuns);
#ifdef FEROL_PANE_PLUGIN_FILE
    const FirstPaint with = MeasureFirstPaint(true);
    std::printf("main window first paint, plugin beside it: median %.1f ms, %.1f MiB resident "
                "(%d runs)\n",
                with.ms, with.mib, kRuns);
    const QStringList folders = {QFileInfo(QStringLiteral(FEROL_PANE_PLUGIN_FILE)).path()};
#else
    std::printf("built without the browser plugin (FEROL_WEBENGINE=OFF)\n");
    const QStringList folders;
#endif

    RecordingShellServices services;
    services.appFolderPath = QStringLiteral(FEROL_PANE_IMAGES_DIR);
    const long before = TreeResidentKiB();
    const TabTiming cold = SelectPaneTab(services, folders);
    const long after = TreeResidentKiB();
    std::vector<double> warm;
    for (int run = 0; run < kRuns; ++run)
        warm.push_back(SelectPaneTab(services, folders).ms);
    std::printf("first selection of the pane's tab to composed page (%s): cold %.1f ms, "
                "warm median %.1f ms (%d runs)\n",
                cold.engine ? "browser plugin" : "text fallback", cold.ms, Median(warm), kRuns);
    std::printf("process tree resident memory: %.1f MiB before the tab, %.1f MiB after\n",
                before / 1024.0, after / 1024.0);
    std::fflush(stdout);
}
