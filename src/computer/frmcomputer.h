#pragma once

#include "placement/fleet.h"
#include "platform/dialog.h"
#include "platform/form.h"

// The computer's hidden window. Its invisible grid is the computer's fleet, drawn at random
// when the window loads; a new game loads it afresh.
class frmcomputer : public platform::Form<frmcomputer, platform::Dialog> {
public:
    fleet::Grid lblcomp;

protected:
    void load() override;

private:
    frmcomputer();
    friend Form;
};
