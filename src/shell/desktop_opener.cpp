#include "shell/desktop_opener.h"

#include <QDeadlineTimer>
#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

#include <memory>
#include <utility>

DesktopOpener::DesktopOpener(int verdictMs, QObject* parent)
    : QObject(parent), m_verdictMs(verdictMs)
{}

void DesktopOpener::open(const QUrl& url, FailureHandler failed)
{
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    if (!QDesktopServices::openUrl(url))
        failed();
#else
    startXdgOpen(url, std::move(failed));
#endif
}

void DesktopOpener::startXdgOpen(const QUrl& url, FailureHandler failed)
{
    auto* process = new QProcess(this);
    process->setProgram(QStringLiteral("xdg-open"));
    process->setArguments({url.isLocalFile() ? url.toLocalFile() : url.toString()});
    // The opener and what it starts must not read the program's input or write over its
    // terminal; what it says about a failure is the message the user gets instead.
    process->setStandardInputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedChannels);

    // One verdict per request: the first of a failed start, an end or the deadline.
    auto pending = std::make_shared<FailureHandler>(std::move(failed));
    const QDeadlineTimer deadline(m_verdictMs);
    const auto fail = [pending] {
        if (*pending)
            std::exchange(*pending, {})();
    };
    connect(process, &QProcess::errorOccurred, this, [process, fail](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            fail();
            process->deleteLater();
        }
    });
    connect(process, &QProcess::finished, this,
            [process, fail, deadline](int exitCode, QProcess::ExitStatus status) {
                if (!deadline.hasExpired() && (status != QProcess::NormalExit || exitCode != 0))
                    fail();
                process->deleteLater();
            });
    process->start();
}
