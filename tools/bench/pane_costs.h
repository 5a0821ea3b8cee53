#pragma once

// What the promotional pane's browser costs, and what it must not cost: the main
// window's first paint (wall and processor time) and memory against a bare Qt window's,
// with and without the browser plugin beside the program (the plugin is only loaded when
// the tab is first shown, so these should not differ), and the time from the first
// selection of the tab to the composed page, cold (engine started for it) and warm
// (engine already running).

// The child side: shows the main window, or a bare one, prints "<processor ms> <resident
// KiB>" once it has painted, and quits.
int RunFirstPaintChild(int argc, char** argv, bool bare);

// The parent side: runs the children and the tab timings, prints the figures.
void PrintPaneCosts();
