#include "webpane/engine_conditions.h"

#include <QList>
#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

bool BrowserEngineMayStart(const EngineConditions& conditions)
{
    if (!conditions.runningAsRoot)
        return true;
    // The engine takes the variable's presence, whatever its value, as the switch.
    if (conditions.disableSandboxSet)
        return true;
    return conditions.chromiumFlags.simplified().split(' ').contains("--no-sandbox");
}

EngineConditions CurrentEngineConditions()
{
    EngineConditions conditions;
#ifdef Q_OS_UNIX
    conditions.runningAsRoot = geteuid() == 0;
#endif
    conditions.disableSandboxSet = qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX");
    conditions.chromiumFlags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    return conditions;
}
