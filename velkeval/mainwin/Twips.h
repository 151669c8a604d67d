#pragma once

#include <QRect>

namespace velk {

// Lengths in the model are twips; the window works in logical pixels at
// 96 dpi, 15 twips each.
inline constexpr int TwipsPerPixel = 15;

// Twips to the nearest pixel (halves away from zero).
constexpr int ToPixels(int twips)
{
    return (twips >= 0 ? twips + TwipsPerPixel / 2 : twips - TwipsPerPixel / 2) / TwipsPerPixel;
}
constexpr int ToTwips(int pixels) { return pixels * TwipsPerPixel; }

inline QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(ToPixels(left), ToPixels(top), ToPixels(width), ToPixels(height));
}

}  // namespace velk
