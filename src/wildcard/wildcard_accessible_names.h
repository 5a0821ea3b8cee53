#pragma once

// What assistive technology hears for each control of the wildcard panel, and which
// caption labels which control. The eight octet boxes are one array: address, then mask.

#include "core/accessible_texts.h"

inline constexpr AccessibleText kWildcardAccessibleNames[] = {
    {.control = "ipadd1", .name = "IP address", .caption = "Label1_0", .octets = 4},
    {.control = "ipadd1",
     .name = "Wildcard mask",
     .caption = "Label1_1",
     .octets = 4,
     .firstIndex = 4},
    {.control = "btnCalculate",
     .name = "Calculate",
     .description = "Lists the matches again; they already follow every change"},
    {.control = "btnSendToNotepad",
     .name = "Send to Notepad",
     .description = "Writes the matches to a text file and opens it"},
    {.control = "validip_0", .name = "Matches of the first octet", .caption = "Label2"},
    {.control = "validip_1", .name = "Matches of the second octet"},
    {.control = "validip_2", .name = "Matches of the third octet"},
    {.control = "validip_3", .name = "Matches of the fourth octet"},
};
