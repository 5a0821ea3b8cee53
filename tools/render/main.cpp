// Renders the windows headless: window.png (the window as it opens), example.png (with
// 192.168.1.130/26 entered), longest-*.png (the subnet tab at its longest results),
// tab-N-KEY.png for each tab in order, decimal-example.png (the decimal tab with its list
// of examples open), ipv6-example.png (a Teredo address on the IPv6 tab) and about.png. Nothing
// leaves the process: the services used here open nothing and answer every question No.
//
//   ferol-render [--dark|--light] [--scale FACTOR] [--language CODE] OUTDIR
// --dark draws under a dark desktop theme, --light (the default) under a light one, both
// in the Fusion style; --scale draws at a scale factor (1.5 for 150 %), as QT_SCALE_FACTOR;
// --language draws in that language (de, pt_BR, ...) as the program's own option does,
// English when it is not given, whatever the system's locale.

#include "planner/plan_document.h"
#include "planner/ucplanner.h"
#include "shell/application_setup.h"
#include "shell/frmabout.h"
#include "shell/frmwelcome2.h"
#include "testing/desktop_theme.h"
#include "testing/offscreen_platform.h"
#include "testing/recordingshellservices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextStream>

#include <cstdio>
#include <string_view>

namespace {

void Settle()
{
    for (int round = 0; round < 5; ++round)
        QCoreApplication::processEvents();
}

bool Save(QWidget& widget, const QDir& folder, const QString& name)
{
    Settle();
    const QString file = folder.filePath(name);
    if (!widget.grab().save(file)) {
        QTextStream(stderr) << "Could not write " << QDir::toNativeSeparators(file) << '\n';
        return false;
    }
    QTextStream(stdout) << QDir::toNativeSeparators(file) << '\n';
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    // The scale factor has to be known before the application starts.
    DesktopTheme theme = DesktopTheme::Light;
    const char* outDir = nullptr;
    QString language = QStringLiteral("en");
    bool usage = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--dark")
            theme = DesktopTheme::Dark;
        else if (arg == "--light")
            theme = DesktopTheme::Light;
        else if (arg == "--scale" && i + 1 < argc)
            qputenv("QT_SCALE_FACTOR", argv[++i]);
        else if (arg == "--language" && i + 1 < argc)
            language = QString::fromLocal8Bit(argv[++i]);
        else if (!arg.starts_with("-") && !outDir)
            outDir = argv[i];
        else
            usage = true;
    }
    if (usage || !outDir) {
        std::fputs(
            "usage: ferol-render [--dark|--light] [--scale FACTOR] [--language CODE] OUTDIR\n",
            stderr);
        return 2;
    }
    UseOffscreenUnlessChosen();
    QApplication app(argc, argv);
    const QDir folder(QString::fromLocal8Bit(outDir));
    if (!QDir().mkpath(folder.path())) {
        QTextStream(stderr) << "Could not create " << folder.path() << '\n';
        return 1;
    }
    UseDesktopTheme(theme);
    SetUpApplication(language);

    RecordingShellServices services;
    services.appFolderPath = QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + '/');
    services.yesAnswer = false;
    frmWelcome2 window(services);
    window.show();
    bool ok = Save(window, folder, QStringLiteral("window.png"));

    // The same window with a worked example, as a user would have typed it, then with
    // the longest texts each result can show, to see that none runs into its neighbour.
    struct Entry
    {
        const char* file;
        QStringList octets;
        int maskBits;
    };
    const Entry entries[] = {
        {"example.png", {"192", "168", "1", "130"}, 26},
        {"longest-addresses.png", {"223", "255", "255", "253"}, 30},
        {"longest-counts.png", {"10", "0", "0", "1"}, 1},
        {"longest-status.png", {"223", "255", "255", ""}, 31},
    };
    for (const Entry& entry : entries) {
        for (int k = 0; k < 4; ++k) {
            if (auto* box = window.findChild<QLineEdit*>(QStringLiteral("sub_address_%1").arg(k)))
                box->setText(entry.octets[k]);
        }
        if (auto* maskBits = window.findChild<QScrollBar*>(QStringLiteral("scr_mask_bits")))
            maskBits->setValue(entry.maskBits);
        ok = Save(window, folder, QString::fromLatin1(entry.file)) && ok;
    }

    auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("TabStrip1"));
    for (int index = 0; tabs && index < tabs->count(); ++index) {
        tabs->setCurrentIndex(index);
        const QString key = tabs->tabBar()->tabData(index).toString();
        ok = Save(window, folder, QStringLiteral("tab-%1-%2.png").arg(index + 1).arg(key)) && ok;
    }

    // The decimal tab with its list open and the second entry followed by the Down key.
    for (int index = 0; tabs && index < tabs->count(); ++index) {
        if (tabs->tabBar()->tabData(index).toString() == QStringLiteral("DecimalIpCalc"))
            tabs->setCurrentIndex(index);
    }
    if (auto* listButton = window.findChild<QAbstractButton*>(QStringLiteral("vscrollHistory"))) {
        listButton->click();
        for (int press = 0; press < 2; ++press) {
            QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
            QCoreApplication::sendEvent(QApplication::focusWidget(), &down);
        }
    }
    ok = Save(window, folder, QStringLiteral("decimal-example.png")) && ok;

    // The IPv6 tab with a Teredo address typed, so the embedded IPv4 forms show.
    for (int index = 0; tabs && index < tabs->count(); ++index) {
        if (tabs->tabBar()->tabData(index).toString() == QStringLiteral("Ipv6Calc"))
            tabs->setCurrentIndex(index);
    }
    if (auto* box = window.findChild<QLineEdit*>(QStringLiteral("txtIpv6Address"))) {
        box->selectAll();
        box->insert(QStringLiteral("2001:0:4136:e378:8000:63bf:3fff:fdd2/50"));
    }
    ok = Save(window, folder, QStringLiteral("ipv6-example.png")) && ok;

    // The planner with a worked plan in each family, entered as a user would.
    for (int index = 0; tabs && index < tabs->count(); ++index) {
        if (tabs->tabBar()->tabData(index).toString() == QStringLiteral("Planner"))
            tabs->setCurrentIndex(index);
    }
    if (auto* planner = window.findChild<ucPlanner*>(QStringLiteral("ucPlanner1"))) {
        PlanDocument& plan = planner->document();
        plan.setParentText(QStringLiteral("10.0.0.0/24"));
        plan.insertNeeds(0, {{"Head office", net::NeedSize::count(100)},
                             {"Branch", net::NeedSize::count(50)},
                             {"Lab", net::NeedSize::count(25)},
                             {"Servers", net::NeedSize::count(10)},
                             {"Uplink", net::NeedSize::count(2)}});
        ok = Save(window, folder, QStringLiteral("planner-example.png")) && ok;
        plan.setParentText(QStringLiteral("2001:db8::/48"));
        plan.removeNeeds(0, 5);
        plan.insertNeeds(0, {{"Campus", net::NeedSize::count(300)},
                             {"Data centre", net::NeedSize::prefixLength(52)},
                             {"Loopbacks", net::NeedSize::prefixLength(64)}});
        ok = Save(window, folder, QStringLiteral("planner-ipv6.png")) && ok;
    }

    frmAbout about(services, &window);
    about.show();
    ok = Save(about, folder, QStringLiteral("about.png")) && ok;
    about.close();

    return ok ? 0 : 1;
}
