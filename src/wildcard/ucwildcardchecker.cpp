#include "wildcard/ucwildcardchecker.h"

#include "core/widget_colors.h"

// The services are taken now so the main window need not change when the report comes.
ucWildCardChecker::ucWildCardChecker(ShellServices& /*services*/, QWidget* parent) : QWidget(parent)
{}

void ucWildCardChecker::SetBackColor(std::uint32_t newColor)
{
    SetBackgroundColor(*this, newColor);
}
