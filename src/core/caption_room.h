#pragma once

// Room for captions longer than the design's: on a panel whose controls sit at design
// rectangles, a caption (label or check box) whose text needs more width than its
// rectangle is widened to fit, whatever stands to its right in the same row moves right
// just as far as it must, and frames grow to hold what they hold. A caption that fits
// leaves every control where the design put it, so the English panels keep their look.
// Returns how much wider the widget grew, in pixels.

class QWidget;

int MakeRoomForCaptions(QWidget& container);
