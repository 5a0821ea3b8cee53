#pragma once

// The names the special-purpose address registries give their blocks ("Private-Use",
// "Documentation"), in the user's language. The core keeps the registries' English names,
// which the command line and the reports print as they are; a tab that shows a block shows
// its name through this.

#include <QString>

#include <string_view>

// registryName in the user's language; a name not in the catalogues shows as it is.
QString SpecialBlockName(std::string_view registryName);
