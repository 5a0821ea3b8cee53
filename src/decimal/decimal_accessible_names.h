#pragma once

// What assistive technology hears for each control of the decimal panel, and which
// caption labels which control.

#include "core/accessible_texts.h"

inline constexpr AccessibleText kDecimalAccessibleNames[] = {
    {.control = "txtIpAddy",
     .name = QT_TRANSLATE_NOOP("ucDecimalCalc", "IP address"),
     .description =
         QT_TRANSLATE_NOOP("ucDecimalCalc", "Changing an octet updates the decimal address"),
     .caption = "Label1_0",
     .octets = 4},
    {.control = "vscrollHistory",
     .name = QT_TRANSLATE_NOOP("ucDecimalCalc", "Example addresses button"),
     .description =
         QT_TRANSLATE_NOOP("ucDecimalCalc", "Opens and closes the list of example addresses")},
    {.control = "lstIpHistory",
     .name = QT_TRANSLATE_NOOP("ucDecimalCalc", "Example addresses"),
     .description = QT_TRANSLATE_NOOP(
         "ucDecimalCalc", "Up and Down fill in the highlighted address; Enter or Space picks it")},
    {.control = "txtDecimal",
     .name = QT_TRANSLATE_NOOP("ucDecimalCalc", "Decimal address"),
     .description = QT_TRANSLATE_NOOP("ucDecimalCalc", "Typing a number here updates the octets"),
     .caption = "Label1_1"},
    {.control = "Text1",
     .name = QT_TRANSLATE_NOOP("ucDecimalCalc", "What the decimal address is for")},
};
