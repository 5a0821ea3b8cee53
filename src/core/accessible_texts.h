#pragma once

// What assistive technology hears for a panel's controls. Each panel keeps its texts in
// one table of AccessibleText rows and applies it once, after building its controls; the
// layout code never names a control for a screen reader itself.

#include <QString>

#include <span>

class QWidget;

struct AccessibleText
{
    // The control's objectName; with octets > 0, the name of an array of octet boxes.
    // "a|b" names a control that is either a or b, whichever the panel made.
    const char* control;
    // What the control is, in the words of its caption. An octet box array's elements
    // get ", octet k of n" after it.
    const char* name;
    // Said after the name, where the caption alone does not tell what the control does.
    const char* description = "";
    // The objectName of the caption that precedes the control (of element 0 for an
    // array); it becomes the caption's buddy.
    const char* caption = "";
    int octets = 0;
    // The array index of the first of these octets, where one array holds two addresses.
    int firstIndex = 0;
};

// The accessible name of element index of an array of count octet boxes.
QString OctetBoxName(const char* arrayName, int index, int count);

// Applies every row to the panel's children; a row naming no child is reported as a
// warning, so a renamed control cannot silently lose its text.
void ApplyAccessibleTexts(QWidget& panel, std::span<const AccessibleText> texts);
