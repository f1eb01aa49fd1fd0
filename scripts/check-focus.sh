#!/usr/bin/env bash
# Plays the game's key steps and whole games by the keyboard under a real window manager, and
# reads from the X server which window has the focus after each (docs/testing.md says which).
# Keys go to whatever window the manager has focused: a window without the focus gets none.
# Usage: bash scripts/check-focus.sh WM [GAMES]   (after a build in build/)
#   WM: openbox, mutter, kwin, xfwm4, marco, metacity, or gnome-wayland (mutter as a headless
#   Wayland compositor, the program on its Xwayland); GAMES: whole games (1). With SHOTS=FOLDER,
#   the placement window's picture goes there, framed by the window manager.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/lib.sh

wm="${1:-}"
games="${2:-1}"
case "$wm" in
openbox) command=(openbox) ;;
mutter) command=(mutter --x11 --replace --sm-disable) ;;
kwin) command=(kwin_x11 --replace) ;;
xfwm4) command=(xfwm4 --replace --compositor=off) ;;
marco) command=(marco --replace --sm-disable --no-composite) ;;
metacity) command=(metacity --replace) ;;
gnome-wayland) command=(mutter --wayland --headless --virtual-monitor 1280x1024 --) ;;
*) echo "usage: $0 openbox|mutter|kwin|xfwm4|marco|metacity|gnome-wayland [GAMES]" >&2 && exit 2 ;;
esac
[[ "$games" =~ ^[1-9][0-9]*$ ]] || { echo "GAMES must be a whole number, 1 or more" >&2; exit 2; }
# MAROLDA_PROGRAM: a program built elsewhere (see lib.sh), played instead of build/'s.
[ -n "${MAROLDA_PROGRAM:-}" ] || bash scripts/setup.sh --quiet default x focus

started=$SECONDS
cleanup() {
    echo "$wm: in $((SECONDS - started)) s"
    if [ "$1" -ne 0 ]; then
        echo "--- what $wm printed (last 20 lines):" >&2
        tail -n 20 "$work/wm.log" >&2 2> /dev/null || true
        echo "--- what the program printed:" >&2
        cat "$work/marolda.log" >&2 2> /dev/null || true
        mkdir -p "build/focus-$wm"
        cp "$work"/*.log "build/focus-$wm/" 2> /dev/null || true
        echo "--- all they printed: build/focus-$wm/" >&2
    fi
}
on_exit
game_session
# A session bus of the check's own, which some of the managers want for their settings; the
# program itself sees none, so that no accessibility bridge takes part.
bus_start
export WORK="$work"
play=(game focus "$wm" "$games" -- env DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-session-bus"
    "$marolda")
if [ "$wm" = gnome-wayland ]; then
    # The compositor starts Xwayland and gives the walk a session with DISPLAY set, and
    # closes every other descriptor: the walk writes to a file, followed here. The compositor
    # ends when the walk does, with a status that is not 0 if the walk's was not.
    unset DISPLAY WAYLAND_DISPLAY
    : > "$work/walk.log"
    step "${command[@]}" bash -c "source scripts/lib.sh && $(printf '%q ' "${play[@]}") \
        > $work/walk.log 2>&1" > "$work/wm.log" 2>&1
    compositor=$!
    tail -n +1 --pid="$compositor" -f "$work/walk.log"
    wait "$compositor"
else
    x_start
    step "${command[@]}" > "$work/wm.log" 2>&1
    "${play[@]}"
fi
