#pragma once

#include "platform/buttonlabel.h"
#include "platform/controlarray.h"

#include <QPoint>

// A fleet grid: 100 labels whose back colour tells a ship (red) from an empty cell. The player
// places a fleet in one, the computer keeps its own in another.
namespace fleet {

inline constexpr int size = 12;
using Grid = platform::ControlArray<platform::ButtonLabel, 100>;

// Creates the 100 empty cells, 375 twips square on a pitch of 360 from `originTwips`.
void createGrid(Grid &grid, QWidget *parent, QPoint originTwips);
void clear(Grid &grid);
int shipCount(const Grid &grid);
// Draws cells at random until `size` ships stand in the grid, throwing away every draw that
// falls on a ship. The grid must be empty.
void drawShips(Grid &grid);

} // namespace fleet
