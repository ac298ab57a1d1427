#pragma once

// The windows were laid out in twips (1/1440 inch) on a screen of 120 pixels per
// inch, that is 12 twips per pixel. Font sizes in points are drawn at the same
// 120 pixels per inch, so text keeps the proportions it had in the layout
// whatever the resolution of the screen the program runs on.

inline constexpr int TwipsPerPixel = 12;
inline constexpr double DesignPixelsPerInch = 120.0;

// Nearest pixel of a length in twips (halves away from zero, as lengths are positive).
constexpr int twipsToPixels(double twips)
{
    const double px = twips / TwipsPerPixel;
    return static_cast<int>(px < 0 ? px - 0.5 : px + 0.5);
}

// Pixel height of a font given in points.
constexpr int pointsToPixels(double points)
{
    const double px = points * DesignPixelsPerInch / 72.0;
    return static_cast<int>(px + 0.5);
}
