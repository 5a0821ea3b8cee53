#pragma once

// Whether the clipboard belongs to this process alone, as on the offscreen platform the
// tests default to. On a real desktop it is the user's, and a test must not overwrite it:
//   if (!ClipboardIsPrivate()) QSKIP(kDesktopClipboard);

#include <QGuiApplication>

inline constexpr char kDesktopClipboard[] =
    "the clipboard is the desktop's; run offscreen to test pasting";

inline bool ClipboardIsPrivate()
{
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}
