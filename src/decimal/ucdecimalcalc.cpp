#include "decimal/ucdecimalcalc.h"

#include "core/colors.h"

ucDecimalCalc::ucDecimalCalc(QWidget* parent) : QWidget(parent)
{}

void ucDecimalCalc::SetBackColor(std::uint32_t newColor)
{
    SetBackgroundColor(*this, newColor);
}
