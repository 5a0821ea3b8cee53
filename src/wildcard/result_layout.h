#pragma once

// The result boxes follow the panel's height: they end 250 twips above its bottom edge.
// A panel too short for that leaves them as they are.

#include <optional>

// Height in twips of a result box whose top lies boxTop twips down a panel panelHeight
// twips high; nullopt when the box would have no height.
inline std::optional<int> ResultBoxHeight(int panelHeight, int boxTop)
{
    const int height = panelHeight - boxTop - 250;
    if (height > 0)
        return height;
    return std::nullopt;
}
