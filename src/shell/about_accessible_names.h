#pragma once

// What assistive technology hears for the About dialog's controls; its labels are heard
// by their own texts.

#include "core/accessible_texts.h"

inline constexpr AccessibleText kAboutAccessibleNames[] = {
    {.control = "imgFerolOrb", .name = "Ferol logo"},
    {.control = "cmdOK", .name = "OK", .description = "Closes this dialog"},
    {.control = "cmdShowEula", .name = "View DODA", .description = "Opens the license document"},
};
