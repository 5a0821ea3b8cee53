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
#include <QLabel>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <memory>
#include <vector>

#include <sys/resource.h>

namespace {

constexpr int kRuns = 11;

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

// Until a moment of the window's first showing: wall time as the parent saw it from
// starting the process (loading the libraries included), processor time of the child, its
// memory.
struct Moment
{
    double wallMs = 0;
    double cpuMs = 0;
    double mib = 0;
};

// Two moments: the first paint event of the window, where Qt starts drawing the first frame
// (the figure the window is held to), and the end of that frame, every control drawn.
struct FirstPaint
{
    Moment paint;
    Moment frame;
};

// The arguments that make this benchmark a first-paint child, one per kind of window.
const struct
{
    const char* argument;
    FirstPaintWindow window;
} kFirstPaintChildren[] = {
    {"--first-paint", FirstPaintWindow::Program},
    {"--first-paint-bare", FirstPaintWindow::Bare},
    {"--first-paint-text", FirstPaintWindow::BareWithText},
};

// One kind of run: which window the child shows, and whether the plugin lies beside it.
struct FirstPaintCase
{
    const char* what;
    FirstPaintWindow window;
    bool pluginBeside = false;
};

// Each case runs from a copy of this benchmark in a folder of its own, with the plugin
// beside it or not. The cases take turns, round after round, so a load that comes and goes
// on the machine weighs on all of them alike instead of on whichever ran at the time.
std::vector<FirstPaint> MeasureFirstPaints(const std::vector<FirstPaintCase>& cases)
{
    std::vector<std::unique_ptr<QTemporaryDir>> folders;
    struct Samples
    {
        std::vector<double> wall;
        std::vector<double> cpu;
        std::vector<double> memory;

        // The child prints "<processor ms> <resident KiB>" at each moment.
        void add(double wallMs, const QByteArray& line)
        {
            const QList<QByteArray> printed = line.trimmed().split(' ');
            wall.push_back(wallMs);
            cpu.push_back(printed.value(0).toDouble());
            memory.push_back(printed.value(1).toDouble() / 1024.0);
        }
        Moment median() const { return {Median(wall), Median(cpu), Median(memory)}; }
    };
    std::vector<Samples> paintSamples(cases.size());
    std::vector<Samples> frameSamples(cases.size());
    for (const FirstPaintCase& paintCase : cases) {
        auto& folder = folders.emplace_back(std::make_unique<QTemporaryDir>());
        QFile::copy(QCoreApplication::applicationFilePath(),
                    folder->filePath(QStringLiteral("ferol-bench")));
#ifdef FEROL_PANE_PLUGIN_FILE
        if (paintCase.pluginBeside)
            QFile::copy(
                QStringLiteral(FEROL_PANE_PLUGIN_FILE),
                folder->filePath(QFileInfo(QStringLiteral(FEROL_PANE_PLUGIN_FILE)).fileName()));
#endif
    }
    for (int run = 0; run < kRuns; ++run) {
        for (std::size_t k = 0; k < cases.size(); ++k) {
            const auto* child =
                std::find_if(std::begin(kFirstPaintChildren), std::end(kFirstPaintChildren),
                             [&](const auto& entry) { return entry.window == cases[k].window; });
            QProcess process;
            QElapsedTimer timer;
            timer.start();
            process.start(folders[k]->filePath(QStringLiteral("ferol-bench")),
                          {QLatin1String(child->argument)});
            const auto nextLine = [&] {
                while (!process.canReadLine() && process.waitForReadyRead(60000)) {
                }
                return std::pair(static_cast<double>(timer.nsecsElapsed()) / 1e6,
                                 process.readLine());
            };
            const auto [paintWall, paintLine] = nextLine();
            paintSamples[k].add(paintWall, paintLine);
            const auto [frameWall, frameLine] = nextLine();
            frameSamples[k].add(frameWall, frameLine);
            process.waitForFinished(60000);
        }
    }
    std::vector<FirstPaint> medians;
    medians.reserve(cases.size());
    for (std::size_t k = 0; k < cases.size(); ++k)
        medians.push_back({paintSamples[k].median(), frameSamples[k].median()});
    return medians;
}

void PrintMoment(const char* moment, const char* what, const Moment& figures, const Moment& bare)
{
    std::printf("%s, %s: wall %.1f ms (%.2fx bare), cpu %.1f ms (%.2fx bare), "
                "%.1f MiB resident\n",
                moment, what, figures.wallMs, figures.wallMs / bare.wallMs, figures.cpuMs,
                figures.cpuMs / bare.cpuMs, figures.mib);
}

struct TabTiming
{
    double textPaintedMs = -1; // the text page's first paint
    double browserMs = -1;     // the browser's page composed and shown; -1 without one
};

// The first paint of the text page's viewport.
class TextPagePaintWatch : public QObject
{
public:
    explicit TextPagePaintWatch(const QElapsedTimer& clock) : m_clock(clock) {}
    double paintedMs = -1;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (paintedMs < 0 && event->type() == QEvent::Paint && watched->parent() &&
            watched->parent()->objectName() == QLatin1String("txtFerol"))
            paintedMs = static_cast<double>(m_clock.nsecsElapsed()) / 1e6;
        return false;
    }

private:
    const QElapsedTimer& m_clock;
};

// From selecting the pane's tab to its text page's first paint, and to the browser's page
// taking its place.
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
    QElapsedTimer timer;
    TextPagePaintWatch paints(timer);
    qApp->installEventFilter(&paints);
    TabTiming timing;
    QEventLoop untilShown;
    QObject::connect(pane, &ucFerol::pageComposed, &untilShown, [&] {
        auto* view = pane->findChild<QWidget*>(QStringLiteral("wbFerol"));
        if (view && view->isVisible()) {
            timing.browserMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
            untilShown.quit();
        }
    });
    // Without a plugin to load nothing follows the text page.
    QTimer noBrowser;
    QObject::connect(&noBrowser, &QTimer::timeout, &untilShown, [&] {
        if (paints.paintedMs >= 0 && !pane->findChild<QWidget*>(QStringLiteral("wbFerol")))
            untilShown.quit();
    });
    noBrowser.start(2000);
    QTimer::singleShot(60000, &untilShown, &QEventLoop::quit);
    timer.start();
    tabs.setCurrentIndex(1);
    untilShown.exec();
    qApp->removeEventFilter(&paints);
    timing.textPaintedMs = paints.paintedMs;
    return timing;
}

} // namespace

std::optional<FirstPaintWindow> FirstPaintChild(const char* argument)
{
    for (const auto& child : kFirstPaintChildren)
        if (std::strcmp(argument, child.argument) == 0)
            return child.window;
    return std::nullopt;
}

int RunFirstPaintChild(int argc, char** argv, FirstPaintWindow kind)
{
    QApplication app(argc, argv);
    RecordingShellServices services;
    std::unique_ptr<QWidget> window;
    if (kind == FirstPaintWindow::Program) {
        SetUpApplication();
        window = std::make_unique<frmWelcome2>(services);
    } else {
        window = std::make_unique<QWidget>();
        window->resize(640, 560);
        if (kind == FirstPaintWindow::BareWithText)
            new QLabel(QStringLiteral("Subnet Mask Calculator"), window.get());
    }

    // The first paint event of the window is one moment; the frame it starts is drawn and
    // handed to the window system before the event loop runs anything posted meanwhile,
    // which is the other, and ends the run.
    struct PaintWatch : QObject
    {
        bool done = false;
        static void PrintMoment()
        {
            rusage usage{};
            getrusage(RUSAGE_SELF, &usage);
            const double cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                                 (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
            std::printf("%.2f %ld\n", cpuMs,
                        ResidentKiB(QString::number(QCoreApplication::applicationPid())));
            std::fflush(stdout);
        }
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint && !done) {
                done = true;
                PrintMoment();
                QMetaObject::invokeMethod(
                    qApp,
                    [] {
                        PrintMoment();
                        QCoreApplication::exit(0);
                    },
                    Qt::QueuedConnection);
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
    std::vector<FirstPaintCase> cases = {
        {"bare Qt window", FirstPaintWindow::Bare},
        {"bare Qt window with one line of text", FirstPaintWindow::BareWithText},
        {"main window, no pane plugin", FirstPaintWindow::Program},
    };
#ifdef FEROL_PANE_PLUGIN_FILE
    cases.push_back({"main window, plugin beside it", FirstPaintWindow::Program, true});
    const QStringList folders = {QFileInfo(QStringLiteral(FEROL_PANE_PLUGIN_FILE)).path()};
#else
    std::printf("built without the browser plugin (FEROL_WEBENGINE=OFF)\n");
    const QStringList folders;
#endif
    const std::vector<FirstPaint> paints = MeasureFirstPaints(cases);
    const FirstPaint& bare = paints.front();
    const struct
    {
        const char* name;
        Moment FirstPaint::*moment;
    } moments[] = {{"first paint", &FirstPaint::paint}, {"first frame drawn", &FirstPaint::frame}};
    for (const auto& moment : moments) {
        const Moment& bareMoment = bare.*moment.moment;
        std::printf("%s, bare Qt window: wall %.1f ms, cpu %.1f ms, %.1f MiB resident "
                    "(medians of %d runs taking turns, %s)\n",
                    moment.name, bareMoment.wallMs, bareMoment.cpuMs, bareMoment.mib, kRuns,
                    qPrintable(qEnvironmentVariable("QT_QPA_PLATFORM")));
        for (std::size_t k = 1; k < cases.size(); ++k)
            PrintMoment(moment.name, cases[k].what, paints[k].*moment.moment, bareMoment);
    }

    RecordingShellServices services;
    services.appFolderPath = QStringLiteral(FEROL_PANE_IMAGES_DIR);
    const long before = TreeResidentKiB();
    const TabTiming cold = SelectPaneTab(services, folders);
    const long after = TreeResidentKiB();
    std::vector<double> warmText;
    std::vector<double> warmBrowser;
    warmText.reserve(kRuns);
    warmBrowser.reserve(kRuns);
    for (int run = 0; run < kRuns; ++run) {
        const TabTiming warm = SelectPaneTab(services, folders);
        warmText.push_back(warm.textPaintedMs);
        warmBrowser.push_back(warm.browserMs);
    }
    std::printf("first selection of the pane's tab to its text page painted: cold %.1f ms, "
                "warm median %.1f ms (%d runs)\n",
                cold.textPaintedMs, Median(warmText), kRuns);
    if (cold.browserMs >= 0)
        std::printf("first selection of the pane's tab to the browser's page shown: cold %.1f ms, "
                    "warm median %.1f ms (%d runs)\n",
                    cold.browserMs, Median(warmBrowser), kRuns);
    else
        std::printf("no browser plugin: the text page stays\n");
    std::printf("process tree resident memory: %.1f MiB before the tab, %.1f MiB after\n",
                before / 1024.0, after / 1024.0);
    std::fflush(stdout);
}
