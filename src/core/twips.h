#pragma once

// The design gives positions and sizes in twips; 15 twips are one device-independent
// pixel. Halves round to the even pixel.

#include <QPoint>
#include <QRect>

#include <cmath>

inline int TwipsToPixels(int twips)
{
    return static_cast<int>(std::nearbyint(twips / 15.0));
}

inline int PixelsToTwips(int pixels)
{
    return pixels * 15;
}

inline QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
                 TwipsToPixels(height));
}

inline QPoint TwipsPoint(int x, int y)
{
    return QPoint(TwipsToPixels(x), TwipsToPixels(y));
}
