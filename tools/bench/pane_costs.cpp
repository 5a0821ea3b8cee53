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
#include <memory>
#include <cstdio>
#include <vector>

#include <sys/resource.h>

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

// Until the first paint of the window: wall time as the parent saw it from starting the
// process (loading the libraries included), processor time of the child, its memory.
struct FirstPaint
{
    double wallMs = 0;
    double cpuMs = 0;
    double mib = 0;
};

enum class Window
{
    Bare,
    Program,
    ProgramWithPlugin,
};

// Runs a copy of this benchmark from a folder of its own, with the plugin beside it or not.
FirstPaint MeasureFirstPaint(Window window)
{
    QTemporaryDir folder;
    const QString program = folder.filePath(QStringLiteral("ferol-bench"));
    QFile::copy(QCoreApplication::applicationFilePath(), program);
#ifdef FEROL_PANE_PLUGIN_FILE
    if (window == Window::ProgramWithPlugin)
        QFile::copy(QStringLiteral(FEROL_PANE_PLUGIN_FILE),
                    folder.filePath(QFileInfo(QStringLiteral(FEROL_PANE_PLUGIN_FILE)).fileName()));
#endif
    std::vector<double> wall;
    std::vector<double> cpu;
    std::vector<double> memory;
    for (int run = 0; run < kRuns; ++run) {
        QProcess child;
        QElapsedTimer timer;
        timer.start();
        child.start(program, {window == Window::Bare ? QStringLiteral("--first-paint-bare")
                                                     : QStringLiteral("--first-paint")});
        child.waitForReadyRead(60000);
        wall.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        child.waitForFinished(60000);
        const QList<QByteArray> figures = child.readAllStandardOutput().trimmed().split(' ');
        cpu.push_back(figures.value(0).toDouble());
        memory.push_back(figures.value(1).toDouble() / 1024.0);
    }
    return {Median(wall), Median(cpu), Median(memory)};
}

void PrintFirstPaint(const char* what, const FirstPaint& figures, const FirstPaint& bare)
{
    std::printf("first paint, %s: wall %.1f ms (%.2fx bare), cpu %.1f ms (%.2fx bare), "
                "%.1f MiB resident\n",
                what, figures.wallMs, figures.wallMs / bare.wallMs, figures.cpuMs,
                figures.cpuMs / bare.cpuMs, figures.mib);
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

int RunFirstPaintChild(int argc, char** argv, bool bare)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    RecordingShellServices services;
    std::unique_ptr<QWidget> window;
    if (bare) {
        window = std::make_unique<QWidget>();
        window->resize(640, 560);
    } else {
        SetUpApplication();
        window = std::make_unique<frmWelcome2>(services);
    }

    // The first paint event of the window ends the run.
    struct PaintWatch : QObject
    {
        bool done = false;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint && !done) {
                done = true;
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                const double cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                                     (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
                std::printf("%.2f %ld\n", cpuMs,
                            ResidentKiB(QString::number(QCoreApplication::applicationPid())));
                std::fflush(stdout);
                QCoreApplication::exit(0);
            }
            return false;
        }
    } watch;
    window->installEventFilter(&watch);
    window->show();
    return QApplication::exec();
}

void PrintPaneCosts()
{
    const FirstPaint bare = MeasureFirstPaint(Window::Bare);
    std::printf("first paint, bare Qt window: wall %.1f ms, cpu %.1f ms, %.1f MiB resident "
                "(medians of %d runs, %s)\n",
                bare.wallMs, bare.cpuMs, bare.mib, kRuns,
                qPrintable(qEnvironmentVariable("QT_QPA_PLATFORM")));
    PrintFirstPaint("main window, no pane plugin", MeasureFirstPaint(Window::Program), bare);
#ifdef FEROL_PANE_PLUGIN_FILE
    PrintFirstPaint("main window, plugin beside it", MeasureFirstPaint(Window::ProgramWithPlugin),
                    bare);
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
    warm.reserve(kRuns);
    for (int run = 0; run < kRuns; ++run)
        warm.push_back(SelectPaneTab(services, folders).ms);
    std::printf("first selection of the pane's tab to composed page (%s): cold %.1f ms, "
                "warm median %.1f ms (%d runs)\n",
                cold.engine ? "browser plugin" : "text fallback", cold.ms, Median(warm), kRuns);
    std::printf("process tree resident memory: %.1f MiB before the tab, %.1f MiB after\n",
                before / 1024.0, after / 1024.0);
    std::fflush(stdout);
}
