// Every test executable starts on the offscreen platform unless its caller chose one
// (QT_QPA_PLATFORM), so that it runs by itself without a display and never draws on, or
// takes the keyboard focus of, someone's desktop. Offscreen also keeps the clipboard
// inside the process. This runs before main(), so before QTEST_MAIN's QApplication reads
// the variable.

#include "testing/offscreen_platform.h"

Q_CONSTRUCTOR_FUNCTION(UseOffscreenUnlessChosen)
