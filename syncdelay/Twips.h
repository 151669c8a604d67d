#pragma once

#include <QRect>

namespace syncdelay {

// The window is laid out in twips, 1440 to the inch; on a 96 dpi screen
// that is 15 twips to a logical pixel.
constexpr int TwipsToPixels(int twips) { return (twips * 96 + 720) / 1440; }

inline QRect RectInTwips(int left, int top, int width, int height)
{
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

}  // namespace syncdelay
