#pragma once

// Whether the browser engine may be started in this process. It has to be decided before
// the first view exists: run as root, the engine's sandbox refuses to start and takes the
// whole process with it, beyond any recovery. So root gets the text page unless the user
// switched the sandbox off (QTWEBENGINE_DISABLE_SANDBOX, or --no-sandbox among
// QTWEBENGINE_CHROMIUM_FLAGS); the program never switches it off on the user's behalf.

#include <QByteArray>

struct EngineConditions
{
    bool runningAsRoot = false;
    // QTWEBENGINE_DISABLE_SANDBOX is set, to whatever value.
    bool disableSandboxSet = false;
    QByteArray chromiumFlags;
};

bool BrowserEngineMayStart(const EngineConditions& conditions);

// The conditions of this process.
EngineConditions CurrentEngineConditions();
