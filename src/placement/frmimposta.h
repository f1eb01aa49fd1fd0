#pragma once

#include "placement/fleet.h"
#include "platform/announcer.h"
#include "platform/dialog.h"
#include "platform/form.h"
#include "platform/label.h"

class QPushButton;
namespace platform {
class Shape;
}

// The window in which the player sets up a fleet, by hand or at random. After OK it stays
// loaded but hidden, and its grid is the fleet that the next game starts with.
class frmimposta : public platform::Form<frmimposta, platform::Dialog> {
public:
    platform::Label *lblcom; // how many ships are left to place
    platform::Shape *Shape1;
    fleet::Grid lblimp;
    platform::Shape *Shape2;
    QPushButton *cmdcasuale;
    QPushButton *cmdcancella;
    QPushButton *cmdannulla;
    QPushButton *cmdok;
    platform::Notice *notice; // tells a screen reader the counter and the cell changed

    int navirestanti = 0; // ships still to place: 12 minus the ships in the grid

    void lblimpClick(int index);
    void cmdcasualeClick();
    void cmdcancellaClick();
    void cmdannullaClick();
    void cmdokClick();

protected:
    void load() override;
    void unload() override;

private:
    frmimposta();
    friend Form;

    // Brings the counter and OK up to date with navirestanti.
    void showCounter();
    // Takes back the main window's "Comincia" while ships are missing, outside a game.
    void withdrawUnreadyFleet();
};
