#include "computer/turn.h"

#include "game/frmgioco.h"
#include "platform/random.h"
#include "resources/colours.h"
#include "resources/texts.h"
#include "shell/windows.h"

#include <QTimer>
#include <algorithm>

namespace computer {

namespace {

bool notFiredAt(const platform::GraphicButton *cell)
{
    return cell->backColour() == colours::ownShip || cell->backColour() == colours::untouched;
}

} // namespace

void tempoTimer()
{
    frmgioco &gioco = frmgioco::get();
    platform::random().reseed();
    for (auto *cell : gioco.cmdat)
        cell->setCursor(Qt::CrossCursor);
    bool shotFired = false;
    // With every cell fired at, the draw below could never end: this tick fires nothing.
    if (std::none_of(gioco.cmddi.begin(), gioco.cmddi.end(), notFiredAt)) {
        gioco.tempo->stop();
        return;
    }
    while (!shotFired) {
        const int n = platform::drawCell();
        platform::GraphicButton *cell = gioco.cmddi[n];
        if (!notFiredAt(cell))
            continue;
        shotFired = true;
        if (cell->backColour() == colours::ownShip) {
            frmgioco::mark(cell, gioco.pct);
            gioco.lblmessdi->setText(texts::hit);
            ++gioco.colpicomputer;
            --gioco.naviutente;
        }
        if (cell->backColour() == colours::untouched) {
            frmgioco::mark(cell, gioco.pct2);
            gioco.lblmessdi->setText(texts::computerMiss);
        }
        gioco.lblnu->setText(QString::number(gioco.naviutente));
        gioco.tempo->stop();
        gioco.lblaiuto->setText(texts::aiutoYourTurn);
        if (gioco.colpicomputer == frmgioco::fleetSize) {
            gioco.lblaiuto->clear();
            gioco.lblmessat->clear();
            gioco.lblmessdi->clear();
            shell::showLoser();
        }
    }
}

} // namespace computer
