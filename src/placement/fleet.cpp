#include "placement/fleet.h"

#include "platform/random.h"
#include "platform/twips.h"
#include "resources/colours.h"

#include <algorithm>

namespace fleet {

void createGrid(Grid &grid, QWidget *parent, QPoint originTwips)
{
    constexpr int pitch = 360;
    for (int k = 1; k <= 100; ++k) {
        const int column = (k - 1) % 10;
        const int row = (k - 1) / 10;
        auto *cell = new platform::ButtonLabel(
            parent, platform::twipsRect(originTwips.x() + pitch * column,
                                        originTwips.y() + pitch * row, 375, 375));
        cell->setObjectName(QStringLiteral("cell%1").arg(k));
        cell->setBackColour(colours::noShip);
        grid[k] = cell;
    }
}

void clear(Grid &grid)
{
    for (int k = 1; k <= 100; ++k)
        grid[k]->setBackColour(colours::noShip);
}

int shipCount(const Grid &grid)
{
    return int(std::count_if(grid.begin(), grid.end(), [](const platform::ButtonLabel *cell) {
        return cell->backColour() == colours::ship;
    }));
}

void drawShips(Grid &grid)
{
    Q_ASSERT(shipCount(grid) == 0);
    int placed = 0;
    while (placed < size) {
        const int cell = platform::drawCell();
        if (grid[cell]->backColour() == colours::noShip) {
            grid[cell]->setBackColour(colours::ship);
            ++placed;
        }
    }
}

} // namespace fleet
