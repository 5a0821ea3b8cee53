#pragma once

// Where the picture draws each network: the parent's addresses from first to last run
// left to right along one line, or along several lines of equal address span when one is
// too short, and each network is a span of its line in proportion to its size. A network
// too small to see is drawn minWidth wide, its line's others a little narrower, and is
// marked as widened; one that crosses from a line to the next is drawn in a piece on
// each. Pure arithmetic, so the proportions can be checked without drawing.

#include <vector>

struct PictureBlock
{
    double start; // fractions of the parent, 0 to 1
    double share;
};

struct PicturePiece
{
    int block; // index into the blocks given
    int line;
    double left; // pixels from the line's start
    double width;
    bool widened; // drawn wider than its share, to stay visible
};

struct PictureLayout
{
    int lines = 1;
    std::vector<PicturePiece> pieces; // by line, then left to right
};

// Blocks in address order. Lines are doubled, up to maxLines, until each line's pieces fit
// at least minWidth each.
PictureLayout LayOutPicture(const std::vector<PictureBlock>& blocks, double width, double minWidth,
                            int maxLines);
