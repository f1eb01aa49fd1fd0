#include "computer/frmcomputer.h"

#include "platform/random.h"
#include "platform/twips.h"
#include "resources/colours.h"

namespace {

// Flush with the right edge of the screen, 500 twips above its bottom edge.
QPoint rightEdge(QSize screen, QSize outer)
{
    return {screen.width() - outer.width(),
            screen.height() - outer.height() - platform::pixels(500)};
}

} // namespace

frmcomputer::frmcomputer()
    : Form({QStringLiteral("frmcomputer"), QStringLiteral("Computer"), platform::Frame::FixedDialog,
            platform::twipsSize(3870, 3870)})
{
    fleet::createGrid(lblcomp, client(), QPoint(120, 120));
    for (auto *cell : lblcomp) {
        cell->setForeColour(colours::red);
        cell->setVisible(false);
    }
}

void frmcomputer::load()
{
    place(rightEdge);
    platform::random().reseed();
    fleet::drawShips(lblcomp);
}
