#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace platform {

// Geometry is designed in twips: 1/1440 inch, 15 to the pixel at 96 dots per inch.
inline constexpr int twipsPerPixel = 15;

// Rounds to the nearest pixel, halves away from zero.
constexpr int pixels(int twips)
{
    const int half = twipsPerPixel / 2;
    return twips >= 0 ? (twips + half) / twipsPerPixel : -((half - twips) / twipsPerPixel);
}

constexpr QPoint twipsPoint(int x, int y)
{
    return {pixels(x), pixels(y)};
}

constexpr QSize twipsSize(int width, int height)
{
    return {pixels(width), pixels(height)};
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsPoint(left, top), twipsSize(width, height)};
}

constexpr QSize twipsSize(QSize twips)
{
    return twipsSize(twips.width(), twips.height());
}

constexpr QRect twipsRect(const QRect &twips)
{
    return twipsRect(twips.left(), twips.top(), twips.width(), twips.height());
}

} // namespace platform
