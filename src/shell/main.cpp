#include "shell/application_setup.h"
#include "shell/command_line.h"
#include "shell/desktopshellservices.h"
#include "shell/frmwelcome2.h"
#include "shell/program_folder.h"
#include "shell/remembered_state.h"

#include <QApplication>
#include <QDir>
#include <QSettings>

#include <cstdio>

namespace {

QStringList ArgumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

void Print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

int main(int argc, char** argv)
{
    // --help and --version are answered before QApplication exists, so they need no display.
    const CommandLineOutcome early = InterpretCommandLine(ArgumentsOf(argc, argv));
    if (early.action == CommandLineOutcome::Action::PrintHelp ||
        early.action == CommandLineOutcome::Action::PrintVersion) {
        // A QCoreApplication needs no display, and with it the help names the executable.
        const QCoreApplication textOnly(argc, argv);
        Print(stdout, InterpretCommandLine(QCoreApplication::arguments()).text);
        return 0;
    }

    // QApplication takes Qt's own options (-platform, -style, ...) out of the arguments;
    // whatever is left must be understood.
    QApplication app(argc, argv);
    const CommandLineOutcome outcome = InterpretCommandLine(QCoreApplication::arguments());
    if (outcome.action == CommandLineOutcome::Action::Fail) {
        Print(stderr, outcome.text);
        return 1;
    }

    SetUpApplication(outcome.language);
    DesktopShellServices services;
    // An incomplete installation still runs; the message names what to restore and where.
    const QString folder = services.appFolder();
    const QStringList missing = MissingFiles(folder, ProgramFileNames());
    if (!missing.isEmpty())
        Print(stderr,
              QStringLiteral("%1: missing from %2: %3\n")
                  .arg(QCoreApplication::applicationName(), QDir::toNativeSeparators(folder),
                       missing.join(QStringLiteral(", "))));
    frmWelcome2 window(services);
    QSettings settings(UserSettingsFile(), QSettings::IniFormat);
    window.restore(ReadRememberedState(settings));
    // Also when the session ends: the desktop's request to quit passes through here.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &window,
                     [&] { WriteRememberedState(settings, window.rememberedState()); });
    window.show();
    if (!outcome.planFile.isEmpty())
        window.openPlan(outcome.planFile);
    return QApplication::exec();
}
