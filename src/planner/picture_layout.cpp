#include "planner/picture_layout.h"

#include <algorithm>
#include <cmath>

namespace {

// Each piece of one line as a share of the line; blocks that do not reach it give none.
struct LinePiece
{
    int block;
    double share;
};

std::vector<std::vector<LinePiece>> CutIntoLines(const std::vector<PictureBlock>& blocks, int lines)
{
    std::vector<std::vector<LinePiece>> cut(static_cast<std::size_t>(lines));
    for (std::size_t k = 0; k < blocks.size(); ++k) {
        const double begin = blocks[k].start * lines;
        const double end = (blocks[k].start + blocks[k].share) * lines;
        const int firstLine = std::clamp(int(std::floor(begin)), 0, lines - 1);
        // A block far smaller than its start vanishes from end - begin in floating point
        // (a /128 beside a /48); within one line its share is taken as it is.
        if (end <= firstLine + 1) {
            cut[std::size_t(firstLine)].push_back({int(k), blocks[k].share * lines});
            continue;
        }
        for (int line = firstLine; line < lines && line < end; ++line) {
            const double share = std::min(end, double(line + 1)) - std::max(begin, double(line));
            if (share > 0)
                cut[std::size_t(line)].push_back({int(k), share});
        }
    }
    return cut;
}

} // namespace

PictureLayout LayOutPicture(const std::vector<PictureBlock>& blocks, double width, double minWidth,
                            int maxLines)
{
    PictureLayout layout;
    std::vector<std::vector<LinePiece>> cut = CutIntoLines(blocks, 1);
    for (;;) {
        std::size_t crowded = 0;
        for (const auto& line : cut)
            crowded = std::max(crowded, line.size());
        if (double(crowded) * minWidth <= width || layout.lines * 2 > maxLines)
            break;
        layout.lines *= 2;
        cut = CutIntoLines(blocks, layout.lines);
    }

    for (int line = 0; line < layout.lines; ++line) {
        const auto& pieces = cut[std::size_t(line)];
        // Widen the pieces below minWidth and share what is left among the others in
        // proportion; that may push more below minWidth, so repeat until none does.
        std::vector<bool> widened(pieces.size());
        for (;;) {
            double fixedWidth = 0;
            double freeShare = 0;
            for (std::size_t k = 0; k < pieces.size(); ++k) {
                if (widened[k])
                    fixedWidth += minWidth;
                else
                    freeShare += pieces[k].share;
            }
            const double scale = freeShare > 0 ? std::max(0.0, width - fixedWidth) / freeShare : 0;
            bool more = false;
            for (std::size_t k = 0; k < pieces.size(); ++k) {
                if (!widened[k] && pieces[k].share * scale < minWidth) {
                    widened[k] = true;
                    more = true;
                }
            }
            if (!more) {
                double left = 0;
                for (std::size_t k = 0; k < pieces.size(); ++k) {
                    const double pieceWidth = widened[k] ? minWidth : pieces[k].share * scale;
                    layout.pieces.push_back({pieces[k].block, line, left, pieceWidth, widened[k]});
                    left += pieceWidth;
                }
                break;
            }
        }
    }
    return layout;
}
