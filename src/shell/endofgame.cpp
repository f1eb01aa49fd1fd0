#include "shell/endofgame.h"

#include "computer/frmcomputer.h"
#include "game/frmgioco.h"
#include "placement/frmimposta.h"
#include "shell/frmscelta.h"

namespace shell {

void playAnotherGame()
{
    // The main window's unload brings up the goodbye window, which goes again at once; the
    // placement window's unload touches the main window, which loads afresh there.
    frmgioco::unloadForm();
    frmscelta::unloadForm();
    frmimposta::unloadForm();
    frmcomputer::unloadForm();
    frmgioco::get().showForm();
}

} // namespace shell
