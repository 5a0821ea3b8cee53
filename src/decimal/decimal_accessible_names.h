#pragma once

// What assistive technology hears for each control of the decimal panel, and which
// caption labels which control.

#include "core/accessible_texts.h"

inline constexpr AccessibleText kDecimalAccessibleNames[] = {
    {.control = "txtIpAddy",
     .name = "IP address",
     .description = "Changing an octet updates the decimal address",
     .caption = "Label1_0",
     .octets = 4},
    {.control = "vscrollHistory",
     .name = "Example addresses button",
     .description = "Opens and closes the list of example addresses"},
    {.control = "lstIpHistory",
     .name = "Example addresses",
     .description = "Up and Down fill in the highlighted address; Enter or Space picks it"},
    {.control = "txtDecimal",
     .name = "Decimal address",
     .description = "Typing a number here updates the octets",
     .caption = "Label1_1"},
    {.control = "Text1", .name = "What the decimal address is for"},
};
