#pragma once

// What the program keeps between runs: the window's place and size, the tab it showed,
// the subnet tab's RFC 3021 box and the plans opened last. Read from and written to a
// QSettings store that the caller owns (the user's own, or a test's temporary file).
// Reading trusts nothing: a store the settings machinery could not parse gives the
// defaults, and each value that is missing, of the wrong kind or out of range is left
// at its default alone, so a damaged file costs what it damaged and never the start.

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>

class QSettings;

struct RememberedState
{
    // The window's normal (not maximised) place and size, without the desktop's frame.
    std::optional<QRect> geometry;
    bool maximized = false;
    QString tabKey; // empty: the first tab
    bool rfc3021 = false;
    QStringList recentPlans; // most recent first

    friend bool operator==(const RememberedState&, const RememberedState&) = default;
};

RememberedState ReadRememberedState(const QSettings& settings);
void WriteRememberedState(QSettings& settings, const RememberedState& state);

// Where a remembered window goes on today's screens (their available areas, the primary
// first): on the screen that shows most of it, moved and shrunk just enough to lie
// wholly on it; centred on the primary screen when no screen shows any of it any more.
// Unchanged when there are no screens to go by.
QRect KeptOnScreens(const QRect& remembered, const QList<QRect>& screens);

// The user's own settings file.
QString UserSettingsFile();
