#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Every size and position of the windows is written in twips (1/1440 inch), as the
// layout was designed; this is the one place that turns them into pixels. At 96 dpi
// fifteen twips are one pixel.
namespace Twips {

inline constexpr int perPixel = 15;

constexpr int toPixels(int twips) { return twips / perPixel; }
constexpr int fromPixels(int pixels) { return pixels * perPixel; }

// A rectangle as designed, in twips: the entries of the windows' geometry tables.
struct Rect {
    int left;
    int top;
    int width;
    int height;
};

inline QRect rect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

inline QRect rect(const Rect &r) { return rect(r.left, r.top, r.width, r.height); }

inline QSize size(int width, int height) { return QSize(toPixels(width), toPixels(height)); }
inline QPoint point(int left, int top) { return QPoint(toPixels(left), toPixels(top)); }

} // namespace Twips
