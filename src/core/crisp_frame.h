#pragma once

// A box's one-pixel border that shows at every scale factor. The styles stroke a scroll
// area's frame with a pen, and at fractional scale factors (150 %) such a line can fall
// between two rows of device pixels and vanish. Here the border is four filled edges in
// the palette's frame grey instead, and a filled edge always covers a device pixel.

class QFrame;

void UseCrispFrame(QFrame& box);
