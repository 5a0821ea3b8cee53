#include "decimal/ucdecimalcalc.h"

#include "core/widget_colors.h"

ucDecimalCalc::ucDecimalCalc(QWidget* parent) : QWidget(parent)
{}

void ucDecimalCalc::SetBackColor(std::uint32_t newColor)
{
    SetBackgroundColor(*this, newColor);
}
