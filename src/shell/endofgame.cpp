#include "shell/endofgame.h"

#include "computer/frmcomputer.h"
#include "game/frmgioco.h"
#include "placement/frmimposta.h"
#include "shell/frmscelta.h"

#include <QWindow>

namespace shell {

void playAnotherGame()
{
    // The main window's unload brings up the goodbye window, which goes again at once; the
    // placement window's unload touches the main window, which loads afresh there.
    frmgioco::unloadForm();
    // Its native window goes at once too. Qt asks the window manager to activate a window shown
    // before it is mapped once the map is done, even if it has been hidden since: the goodbye
    // window's late request took the focus from the fresh main window, which mutter then refused.
    if (frmscelta::isLoaded())
        if (QWindow *handle = frmscelta::get().windowHandle())
            handle->destroy();
    frmscelta::unloadForm();
    frmimposta::unloadForm();
    frmcomputer::unloadForm();
    frmgioco::get().showForm();
}

} // namespace shell
