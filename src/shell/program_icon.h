#pragma once

// The program's icon at every size the artwork comes in, for all of its windows.

#include <QIcon>

QIcon ProgramIcon();
