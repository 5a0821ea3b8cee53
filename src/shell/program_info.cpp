#include "shell/program_info.h"

#include "ferol_version.h"

QString AppTitle()
{
    return QStringLiteral("Ferol Subnet Calculator");
}

QString FileDescription()
{
    return QStringLiteral("Ferol Subnet Calculator contains the following tools for IPv4 and "
                          "IPv6:  Subnet Calculator, Wildcard Checker, Decimal IP Calculator, "
                          "IPv6 Calculator.");
}

QString LegalCopyright()
{
    return QStringLiteral("Copyright \u00A9 2026 Ferol. All rights reserved. This program is "
                          "provided as is, without warranty of any kind.");
}

QString DesktopFileName()
{
    return QStringLiteral(FEROL_APP_ID);
}

QVersionNumber CompiledVersion()
{
    return {FEROL_VERSION_MAJOR, FEROL_VERSION_MINOR, FEROL_VERSION_PATCH};
}

QString VersionText(const QVersionNumber& version)
{
    return QStringLiteral("Version ") + version.toString();
}
