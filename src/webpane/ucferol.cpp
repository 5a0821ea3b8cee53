#include "webpane/ucferol.h"

#include "core/widget_colors.h"

// The services are taken now so the main window need not change when the page comes.
ucFerol::ucFerol(ShellServices& /*services*/, QWidget* parent) : QWidget(parent)
{}

void ucFerol::SetBackColor(std::uint32_t newColor)
{
    SetBackgroundColor(*this, newColor);
}
