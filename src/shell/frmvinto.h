#pragma once

#include "shell/endofgame.h"

// The window that opens when the player sinks the computer's last ship.
class frmvinto : public shell::EndOfGame<frmvinto> {
private:
    frmvinto();
    friend platform::Form<frmvinto, platform::Dialog>;
};
