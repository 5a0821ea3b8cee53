#pragma once

// Qt's offscreen platform for whatever draws the windows away from a display, unless the
// caller chose another platform. Its screen is made as large as a 4K desktop's, where the
// window's design fits at every scale up to 200 %: Qt's own 800x600 screen is smaller
// than the design, and the window would shrink to it and scroll (as it does on a small
// screen, which has its own test on an X server).

#include <QByteArray>
#include <QtGlobal>

inline void UseOffscreenUnlessChosen()
{
    const QByteArray chosen = qgetenv("QT_QPA_PLATFORM");
    if (chosen.isEmpty() || chosen == "offscreen")
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" FEROL_OFFSCREEN_SCREEN_CONFIG);
}
