#pragma once

// The shell's windows as the game opens them.
namespace shell {

void showWinner();
void showLoser();
void showGoodbye();
void showInstructions();
void showInformation();

} // namespace shell
