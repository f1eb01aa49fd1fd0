#include "shell/windows.h"

#include "computer/frmcomputer.h"
#include "game/frmgioco.h"
#include "placement/frmimposta.h"
#include "shell/endofgame.h"
#include "shell/frminfo.h"
#include "shell/frmistruzioni.h"
#include "shell/frmperso.h"
#include "shell/frmscelta.h"
#include "shell/frmvinto.h"

namespace shell {

void showWinner()
{
    frmvinto::get().showForm();
}

void showLoser()
{
    frmperso::get().showForm();
}

void showGoodbye()
{
    frmscelta::get().showForm();
}

void showInstructions()
{
    frmistruzioni::get().showForm();
}

void showInformation()
{
    frminfo::get().showForm();
}

void playAnotherGame()
{
    // The end-of-game window has unloaded itself. The main window's unload brings up the
    // goodbye window, which goes again at once; the placement window's unload touches the main
    // window, which loads afresh there.
    frmgioco::unloadForm();
    frmscelta::unloadForm();
    frmimposta::unloadForm();
    frmcomputer::unloadForm();
    frmgioco::get().showForm();
}

} // namespace shell
