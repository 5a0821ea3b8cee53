#pragma once

// What the program says about itself in the About dialog: title, version, description
// and copyright. The version is set once, in the top-level CMakeLists.txt, and compiled in.

#include <QString>
#include <QVersionNumber>

QString AppTitle();
QString FileDescription();
QString LegalCopyright();

// The name of the program's desktop entry, without ".desktop"; its icon has the same name.
QString DesktopFileName();

// The version this build was made from; its toString() is major.minor.patch.
QVersionNumber CompiledVersion();

// "Version " + the version's major.minor.patch.
QString VersionText(const QVersionNumber& version);
