#pragma once

#include <QColor>
#include <cstdint>

namespace platform {

// A colour as the windows store it: 0x00BBGGRR, or 0x800000nn for the system colour nn.
using ColourValue = std::uint32_t;

namespace system {
inline constexpr ColourValue windowBackground = 0x80000005;
inline constexpr ColourValue windowText = 0x80000008;
inline constexpr ColourValue buttonFace = 0x8000000F;
inline constexpr ColourValue buttonText = 0x80000012;
} // namespace system

constexpr ColourValue rgbValue(int red, int green, int blue)
{
    return ColourValue(red) | ColourValue(green) << 8 | ColourValue(blue) << 16;
}

constexpr bool isSystemColour(ColourValue value)
{
    return (value & 0x80000000u) != 0;
}

// The colour that a stored value shows; system colours come from the application palette.
QColor toQColor(ColourValue value);

} // namespace platform
