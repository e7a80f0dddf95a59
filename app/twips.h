#pragma once

// Window layouts are kept in twips, the unit the forms were designed in.
// One helper turns them into device-independent pixels; Qt scales those
// for high-dpi screens.

#include <QPoint>
#include <QRect>
#include <QSize>

#include <cmath>

namespace Twips {

inline constexpr int perPixel = 15; // 1440 twips an inch at 96 dpi

constexpr int toPixels(double twips)
{
    return static_cast<int>(twips >= 0 ? twips / perPixel + 0.5 : twips / perPixel - 0.5);
}

constexpr double fromPixels(int pixels)
{
    return static_cast<double>(pixels) * perPixel;
}

// A control's place in twips: Left, Top, Width, Height.
struct Box {
    int left;
    int top;
    int width;
    int height;
};

inline QRect toPixels(const Box &box)
{
    return {toPixels(box.left), toPixels(box.top), toPixels(box.width), toPixels(box.height)};
}

inline QSize toPixels(int widthTwips, int heightTwips)
{
    return {toPixels(widthTwips), toPixels(heightTwips)};
}

} // namespace Twips
