#pragma once

// Desktop themes to draw the windows under, as a user's desktop would hand them to Qt:
// the Fusion style with its own light palette, or with a dark one of the kind dark
// desktop themes give. Set before any window is built, as the desktop's is.

enum class DesktopTheme
{
    Light,
    Dark
};

void UseDesktopTheme(DesktopTheme theme);
