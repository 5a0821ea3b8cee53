#pragma once

// What assistive technology hears for a panel's controls. Each panel keeps its texts in
// one table of AccessibleText rows and applies it once, after building its controls; the
// layout code never names a control for a screen reader itself. The table's texts are
// marked with QT_TRANSLATE_NOOP in the panel's class name, so a translator finds them
// beside the panel's other texts; they are translated as they are applied.

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

// The accessible name of element index of an array of count octet boxes, arrayName
// already translated.
QString OctetBoxName(const QString& arrayName, int index, int count);

// Applies every row to the panel's children, its texts translated in the panel's class
// name; a row naming no child is reported as a warning, so a renamed control cannot
// silently lose its text.
void ApplyAccessibleTexts(QWidget& panel, std::span<const AccessibleText> texts);
