#pragma once

namespace computer {

// One tick of the main window's timer: the computer's shot at the player's defence grid.
void tempoTimer();

} // namespace computer
