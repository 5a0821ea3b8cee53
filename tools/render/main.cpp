// Renders the windows headless: window.png (the window as it opens), tab-N-KEY.png for
// each tab in order, and about.png. Nothing leaves the process: the services used here
// open nothing and answer every question with No.

#include "core/design_font.h"
#include "core/shellservices.h"
#include "shell/frmabout.h"
#include "shell/frmwelcome2.h"
#include "shell/program_icon.h"
#include "shell/program_info.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QTabBar>
#include <QTabWidget>
#include <QTextStream>

#include <cstdio>

namespace {

class InertShellServices : public ShellServices
{
public:
    void openWebAddress(const QString&) override {}
    ServiceResult openInTextViewer(const QString&) override { return ServiceResult::success(); }
    ServiceResult openRichTextDocument(const QString&) override { return ServiceResult::success(); }
    QString appFolder() const override
    {
        return QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + '/');
    }
    QString documentsFolder() const override { return {}; }
    FolderResult outputFolder(bool) override { return {{}, QStringLiteral("Not when rendering.")}; }
    void showMessage(QWidget*, const QString&, const QString&) override {}
    bool askYesNo(QWidget*, const QString&, const QString&) override { return false; }
};

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
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: ferol-render OUTDIR\n", stderr);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path())) {
        QTextStream(stderr) << "Could not create " << folder.path() << '\n';
        return 1;
    }
    QApplication::setApplicationName(AppTitle());
    RegisterDesignFonts();
    QApplication::setFont(DesignFont());
    QApplication::setWindowIcon(ProgramIcon());

    InertShellServices services;
    frmWelcome2 window(services);
    window.show();
    bool ok = Save(window, folder, QStringLiteral("window.png"));

    auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("TabStrip1"));
    for (int index = 0; tabs && index < tabs->count(); ++index) {
        tabs->setCurrentIndex(index);
        const QString key = tabs->tabBar()->tabData(index).toString();
        ok = Save(window, folder, QStringLiteral("tab-%1-%2.png").arg(index + 1).arg(key)) && ok;
    }

    frmAbout about(services, &window);
    about.show();
    ok = Save(about, folder, QStringLiteral("about.png")) && ok;
    about.close();

    // The window asks before it closes; a render has nobody to ask.
    window.SessionEnding();
    return ok ? 0 : 1;
}
