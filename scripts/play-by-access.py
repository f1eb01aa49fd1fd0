"""Plays the running program through its accessibility interface, as switch access and voice
control do: every control is reached in the accessibility tree and worked by its action. It
places a fleet cell by cell, starts the game, fires three shots and waits for each answer, opens
every help window and the information window, and leaves by "Esci" and "Ciao".

Run by scripts/check-wayland.sh with Debian's python3 (python3-gi, gir1.2-atspi-2.0), on the
session bus of the program. SHOTS names a command that takes a screenshot into the file it is
given; OUTPUT is the folder for them."""
import os
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402


# The roles, by their values: their names differ between versions of the accessibility bus.
BUTTON, DIALOG, FRAME = Atspi.Role.PUSH_BUTTON, Atspi.Role.DIALOG, Atspi.Role.FRAME
LABEL, MENU_ITEM = Atspi.Role.LABEL, Atspi.Role.MENU_ITEM


def wait(what, found, limit=30):
    deadline = time.monotonic() + limit
    while time.monotonic() < deadline:
        result = found()
        if result:
            return result
        time.sleep(0.05)
    sys.exit(f"gave up after {limit} s waiting for {what}")


def the_program():
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        application = desktop.get_child_at_index(i)
        if application is not None and application.get_name() == "Marolda":
            return application
    return None


def find(node, role, name):
    """The first object of this role and name under node that shows, in the tree's order; a
    menu's items count while the menu is closed."""
    try:
        if (node.get_role() == role and node.get_name() == name
                and (role == MENU_ITEM
                     or node.get_state_set().contains(Atspi.StateType.SHOWING))):
            return node
        for i in range(node.get_child_count()):
            child = node.get_child_at_index(i)
            found = child is not None and find(child, role, name)
            if found:
                return found
    except GLib.Error:  # an object that went while it was read
        pass
    return None


def window(name, role=DIALOG):
    return wait(f"the window '{name}'", lambda: find(program, role, name))


def gone(name):
    wait(f"the window '{name}' to go", lambda: not find(program, DIALOG, name))


def press(within, role, name):
    """Does the first action of the control, as a switch does."""
    control = wait(f"the {role.value_nick} '{name}'", lambda: find(within, role, name))
    if not control.do_action(0):
        sys.exit(f"the {role.value_nick} '{name}' did not take its action")


def shot(name):
    subprocess.run([os.environ["SHOTS"], os.path.join(os.environ["OUTPUT"], name)], check=True)


program = wait("the program on the accessibility bus", the_program)
window("Caricamento...")
main = window("Marolda", FRAME)
press(main, MENU_ITEM, "Imposta le navi")
placement = window("Imposta le navi")
for cell in ("A1", "B1", "C1", "D1", "E1", "F1", "G1", "H1", "I1", "L1", "A2", "B2"):
    press(placement, BUTTON, cell)
wait("the twelfth ship", lambda: find(placement, LABEL, "Hai posizionato le tue navi"))
shot("wayland-placement.png")
press(placement, BUTTON, "OK")
gone("Imposta le navi")
press(main, MENU_ITEM, "Comincia")
TURN = "Adesso è il tuo turno."
wait("the player's turn", lambda: find(main, LABEL, TURN))
for cell in ("A1", "B2", "C3"):  # the attack grid comes first in the tree
    press(main, BUTTON, cell)
    wait(f"the computer's turn after {cell}", lambda: not find(main, LABEL, TURN))
    wait(f"the answer to {cell}", lambda: find(main, LABEL, TURN))
shot("wayland-game.png")
press(main, MENU_ITEM, "Istruzioni")
for button, page in (("Caratteristiche del gioco", "Caratteristiche e regole del gioco"),
                     ("Istruzioni pratiche", "Istruzioni pratiche"),
                     ("Requisiti del sistema", "Requisiti del sistema")):
    press(window("Istruzioni"), BUTTON, button)
    press(window(page), BUTTON, "OK")
    gone(page)
press(window("Istruzioni"), BUTTON, "OK")
gone("Istruzioni")
press(main, MENU_ITEM, "Informazioni")
press(window("Informazioni"), BUTTON, "OK")
gone("Informazioni")
press(main, MENU_ITEM, "Esci")
press(window("Arrivederci"), BUTTON, "Ciao")
