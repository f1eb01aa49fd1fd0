"""Plays the running program through its accessibility interface, as switch access and voice
control do: every control is reached in the accessibility tree and worked by its action. It
places a fleet at random, starts the game, fires three shots and waits for each answer, opens
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
        if (node.get_role_name() == role and node.get_name() == name
                and (role == "menu item"
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


def window(name, role="dialog"):
    return wait(f"the window '{name}'", lambda: find(program, role, name))


def gone(name):
    wait(f"the window '{name}' to go", lambda: not find(program, "dialog", name))


def press(within, role, name):
    """Does the first action of the control, as a switch does."""
    control = wait(f"{role} '{name}'", lambda: find(within, role, name))
    if not control.do_action(0):
        sys.exit(f"{role} '{name}' did not take its action {control.get_action_name(0)}")


def shot(name):
    subprocess.run([os.environ["SHOTS"], os.path.join(os.environ["OUTPUT"], name)], check=True)


program = wait("the program on the accessibility bus", the_program)
window("Caricamento...")
main = window("Marolda", "frame")
press(main, "menu item", "Imposta le navi")
placement = window("Imposta le navi")
press(placement, "push button", "Casuale")
wait("a random fleet", lambda: find(placement, "label", "Hai posizionato le tue navi"))
shot("wayland-placement.png")
press(placement, "push button", "OK")
gone("Imposta le navi")
press(main, "menu item", "Comincia")
TURN = "Adesso è il tuo turno."
wait("the player's turn", lambda: find(main, "label", TURN))
for cell in ("A1", "B2", "C3"):  # the attack grid comes first in the tree
    press(main, "push button", cell)
    wait(f"the computer's turn after {cell}", lambda: not find(main, "label", TURN))
    wait(f"the answer to {cell}", lambda: find(main, "label", TURN))
shot("wayland-game.png")
press(main, "menu item", "Istruzioni")
for button, page in (("Caratteristiche del gioco", "Caratteristiche e regole del gioco"),
                     ("Istruzioni pratiche", "Istruzioni pratiche"),
                     ("Requisiti del sistema", "Requisiti del sistema")):
    press(window("Istruzioni"), "push button", button)
    press(window(page), "push button", "OK")
    gone(page)
press(window("Istruzioni"), "push button", "OK")
gone("Istruzioni")
press(main, "menu item", "Informazioni")
press(window("Informazioni"), "push button", "OK")
gone("Informazioni")
press(main, "menu item", "Esci")
press(window("Arrivederci"), "push button", "Ciao")
