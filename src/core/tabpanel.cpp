#include "core/tabpanel.h"

#include "core/widget_colors.h"

TabPanel::TabPanel(QWidget* parent) : QWidget(parent)
{}

void TabPanel::SetBackColor(std::uint32_t newColor)
{
    SetBackgroundColor(*this, newColor);
}
