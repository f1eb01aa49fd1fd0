#include "shell/windows.h"

namespace shell {

void showWinner() {}
void showLoser() {}
void showGoodbye() {}
void showInstructions() {}
void showInformation() {}

} // namespace shell
