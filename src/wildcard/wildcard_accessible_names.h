#pragma once

// What assistive technology hears for each control of the wildcard panel, and which
// caption labels which control. The eight octet boxes are one array: address, then mask.

#include "core/accessible_texts.h"

inline constexpr AccessibleText kWildcardAccessibleNames[] = {
    {.control = "ipadd1",
     .name = QT_TRANSLATE_NOOP("ucWildCardChecker", "IP address"),
     .caption = "Label1_0",
     .octets = 4},
    {.control = "ipadd1",
     .name = QT_TRANSLATE_NOOP("ucWildCardChecker", "Wildcard mask"),
     .caption = "Label1_1",
     .octets = 4,
     .firstIndex = 4},
    {.control = "btnCalculate",
     .name = QT_TRANSLATE_NOOP("ucWildCardChecker", "Calculate"),
     .description = QT_TRANSLATE_NOOP("ucWildCardChecker",
                                      "Lists the matches again; they already follow every change")},
    {.control = "btnSendToNotepad",
     .name = QT_TRANSLATE_NOOP("ucWildCardChecker", "Send to Notepad"),
     .description =
         QT_TRANSLATE_NOOP("ucWildCardChecker", "Writes the matches to a text file and opens it")},
    {.control = "validip_0",
     .name = QT_TRANSLATE_NOOP("ucWildCardChecker", "Matches of the first octet"),
     .caption = "Label2"},
    {.control = "validip_1",
     .name = QT_TRANSLATE_NOOP("ucWildCardChecker", "Matches of the second octet")},
    {.control = "validip_2",
     .name = QT_TRANSLATE_NOOP("ucWildCardChecker", "Matches of the third octet")},
    {.control = "validip_3",
     .name = QT_TRANSLATE_NOOP("ucWildCardChecker", "Matches of the fourth octet")},
};
