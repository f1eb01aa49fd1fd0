#pragma once

#include "platform/colour.h"

// The colours that the windows store, by what they mean.
namespace colours {

using platform::ColourValue;

// Fleet grids: the placement grid and the computer's hidden grid.
inline constexpr ColourValue noShip = platform::system::windowBackground;
inline constexpr ColourValue ship = 0x0000FF;

// Board grids of the main window.
inline constexpr ColourValue untouched = platform::system::buttonFace;
inline constexpr ColourValue ownShip = ship;
inline constexpr ColourValue hit = 0x80C0FF;
inline constexpr ColourValue miss = 0xFFFF00;

inline constexpr ColourValue red = 0x0000FF;
inline constexpr ColourValue blue = 0xFF0000;
inline constexpr ColourValue yellow = 0x00FFFF;
inline constexpr ColourValue cyan = 0xFFFF00;
inline constexpr ColourValue magenta = 0xFF00FF;
inline constexpr ColourValue lightOrange = 0x80C0FF;
inline constexpr ColourValue paleYellow = 0x80FFFF;
inline constexpr ColourValue lightBlue = 0xFF8080;
inline constexpr ColourValue pink = 0xFF80FF;
inline constexpr ColourValue lightGreen = 0x80FF80;
inline constexpr ColourValue white = 0xFFFFFF;
inline constexpr ColourValue darkGrey = 0x404040;

} // namespace colours
