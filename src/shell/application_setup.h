#pragma once

// What every process that shows the program's windows sets up first: its name and
// version, the design font, the icon every window takes and the desktop entry it belongs to.

void SetUpApplication();
