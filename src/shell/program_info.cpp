#include "shell/program_info.h"

QString AppTitle()
{
    return QStringLiteral("Ferol Subnet Calculator");
}

QString FileDescription()
{
    return QStringLiteral("Ferol Subnet Calculator contains the following tools:  Subnet "
                          "Calculator, Wildcard Checker, Decimal IP Calculator.");
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

ProgramVersion CompiledVersion()
{
    return {FEROL_VERSION_MAJOR, FEROL_VERSION_MINOR, FEROL_VERSION_PATCH};
}

QString VersionNumber(const ProgramVersion& version)
{
    // QString::number ignores the locale, so no digit grouping or native digits creep in.
    return QString::number(version.major) + QLatin1Char('.') + QString::number(version.minor) +
           QLatin1Char('.') + QString::number(version.revision);
}

QString VersionText(const ProgramVersion& version)
{
    return QStringLiteral("Version ") + VersionNumber(version);
}
