#pragma once

#include "shell/endofgame.h"

// The window that opens when the computer sinks the player's last ship.
class frmperso : public shell::EndOfGame<frmperso> {
private:
    frmperso();
    friend platform::Form<frmperso, platform::Dialog>;
};
