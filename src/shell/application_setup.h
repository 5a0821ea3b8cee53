#pragma once

// What every process that shows the program's windows sets up first: its name and
// version, the design font, and the icon every window takes.

void SetUpApplication();
