#pragma once

// What assistive technology hears for the About dialog's controls; its labels are heard
// by their own texts.

#include "core/accessible_texts.h"

inline constexpr AccessibleText kAboutAccessibleNames[] = {
    {.control = "imgFerolOrb", .name = QT_TRANSLATE_NOOP("frmAbout", "Ferol logo")},
    {.control = "cmdOK",
     .name = QT_TRANSLATE_NOOP("frmAbout", "OK"),
     .description = QT_TRANSLATE_NOOP("frmAbout", "Closes this dialog")},
    {.control = "cmdShowEula",
     .name = QT_TRANSLATE_NOOP("frmAbout", "View DODA"),
     .description = QT_TRANSLATE_NOOP("frmAbout", "Opens the license document")},
};
