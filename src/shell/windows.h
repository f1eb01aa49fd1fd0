#pragma once

// The shell's windows as the game opens them.
namespace shell {

void showWinner();
void showLoser();
void showGoodbye();
// The instructions hub, freshly created if it is not loaded.
void showInstructions();
void showInformation();

} // namespace shell
