#pragma once

// Hands a file or a web address to the desktop and finds out whether a program took it.
// Where the platform answers that truthfully (Windows, macOS) its answer is taken as it
// comes. On the freedesktop platforms Qt starts xdg-open detached and reports success
// before xdg-open has tried anything, so here xdg-open is started as a child process and
// watched without blocking: a failure to start it, or an unsuccessful end within
// kVerdictMs, is a failure; an end with status 0, or a process still running then (in a
// desktop without its own opener xdg-open waits for the program it started), is success.
// Every start is a process of its own, so a second request while one still runs works;
// each finished process is reaped and deleted.

#include <QObject>

#include <functional>

class QUrl;

class DesktopOpener : public QObject
{
    Q_OBJECT

public:
    static constexpr int kVerdictMs = 5000;

    using FailureHandler = std::function<void()>;

    explicit DesktopOpener(int verdictMs = kVerdictMs, QObject* parent = nullptr);

    // Opens url; failed runs at most once, now or within the verdict time, when nothing
    // took it.
    void open(const QUrl& url, FailureHandler failed);

private:
    void startXdgOpen(const QUrl& url, FailureHandler failed);

    const int m_verdictMs;
};
