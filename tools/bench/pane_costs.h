#pragma once

// What the promotional pane's browser costs, and what it must not cost: the main
// window's first paint and first whole frame (wall and processor time) and memory against a
// bare Qt window's,
// with and without the browser plugin beside the program (the plugin is only loaded when
// the tab is first shown, so these should not differ), and the two moments of the first
// selection of the tab: its text page painted, and the browser's page taking its place,
// cold (engine started for it) and warm (engine already running).

#include <optional>

// The bare window draws nothing; the one with a line of text pays what any window with
// text pays before its first paint (reading the font configuration, loading a font), the
// floor under the program's own figure.
enum class FirstPaintWindow
{
    Bare,
    BareWithText,
    Program,
};

// Which first-paint child an argument asks for, if any.
std::optional<FirstPaintWindow> FirstPaintChild(const char* argument);

// The child side: shows the window, prints "<processor ms> <resident KiB>" as its first
// paint starts and again once that frame is drawn, and quits.
int RunFirstPaintChild(int argc, char** argv, FirstPaintWindow kind);

// The parent side: runs the children and the tab timings, prints the figures.
void PrintPaneCosts();
