#pragma once

// What assistive technology hears for the main window's own controls. The tab strip
// needs no text of its own: it is heard by the caption of its selected tab.

#include "core/accessible_texts.h"

inline constexpr AccessibleText kWindowAccessibleNames[] = {
    {.control = "picFerolLogo",
     .name = QT_TRANSLATE_NOOP("frmWelcome2", "Ferol banner"),
     .description = QT_TRANSLATE_NOOP("frmWelcome2", "Shows the Ferol tab")},
};
