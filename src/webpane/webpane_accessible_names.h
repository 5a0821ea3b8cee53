#pragma once

// What assistive technology hears for the pane's browser: the engine's view, or the
// text browser shown without the plugin. The page's links are heard by their own texts.

#include "core/accessible_texts.h"

inline constexpr AccessibleText kWebpaneAccessibleNames[] = {
    {.control = "wbFerol|txtFerol",
     .name = QT_TRANSLATE_NOOP("ucFerol", "Ferol products"),
     .description = QT_TRANSLATE_NOOP(
         "ucFerol", "Tab moves from link to link; Enter opens one in the web browser")},
};
