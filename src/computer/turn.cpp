// The computer's turn. Each tick of the main window's timer is one shot of the computer at the
// player's defence grid; the handler belongs to the main window, whose timer, grids, counters
// and labels it works on.
#include "game/frmgioco.h"
#include "placement/fleet.h"
#include "platform/random.h"
#include "resources/colours.h"
#include "resources/texts.h"

#include <QTimer>
#include <algorithm>

namespace {

// Red (a ship afloat) or button face (water): the computer has not fired here yet.
bool notFiredAt(const platform::GraphicButton *cell)
{
    return cell->backColour() == colours::ownShip || cell->backColour() == colours::untouched;
}

} // namespace

void frmgioco::tempoTimer()
{
    platform::random().reseed();
    for (auto *cell : cmdat)
        cell->setCursor(Qt::CrossCursor);
    // With every cell fired at, the draw below could never end: this tick fires nothing.
    if (std::none_of(cmddi.begin(), cmddi.end(), notFiredAt)) {
        tempo->stop();
        return;
    }
    bool shotFired = false;
    while (!shotFired) {
        const int n = platform::drawCell();
        platform::GraphicButton *cell = cmddi[n];
        if (!notFiredAt(cell))
            continue;
        shotFired = true;
        if (cell->backColour() == colours::ownShip) {
            mark(cell, pct);
            lblmessdi->setText(texts::hit);
            ++colpicomputer;
            --naviutente;
        }
        if (cell->backColour() == colours::untouched) {
            mark(cell, pct2);
            lblmessdi->setText(texts::computerMiss);
        }
        lblnu->setText(QString::number(naviutente));
        tempo->stop();
        lblaiuto->setText(texts::aiutoYourTurn);
        const bool lost = colpicomputer == fleet::size;
        announceShot(texts::defenceTitle, n, lblmessdi, !lost);
        if (lost)
            gameOver(Winner::computer);
    }
}
