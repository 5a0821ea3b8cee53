#pragma once

// What the program says about itself in the About dialog: title, version, description
// and copyright. The version is set once, in the top-level CMakeLists.txt, and compiled in.

#include <QString>

struct ProgramVersion
{
    int major = 0;
    int minor = 0;
    int revision = 0;
};

QString AppTitle();
QString FileDescription();
QString LegalCopyright();

// The name of the program's desktop entry, without ".desktop"; its icon has the same name.
QString DesktopFileName();

// The version this build was made from.
ProgramVersion CompiledVersion();

// major.minor.revision, each a plain decimal number.
QString VersionNumber(const ProgramVersion& version);

// "Version " + VersionNumber.
QString VersionText(const ProgramVersion& version);
