#!/usr/bin/env bash
# The program under the compositor weston (headless): with Xwayland, on X11, its splash at the
# top of the screen, centred; without, natively on Wayland, played through its accessibility
# interface, every window reaching the compositor with its title, each dialog as a child of the
# main window, and nothing else. Screenshots of both go to OUTPUT.
# Usage: bash scripts/check-wayland.sh [OUTPUT]   (after a build in build/; default build/wayland)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/lib.sh
output=$(realpath -m "${1:-build/wayland}")
bash scripts/setup.sh --quiet default x wayland
mkdir -p "$output"

# On a failure the logs that the messages name are kept in OUTPUT.
cleanup() {
    if [ "$1" -ne 0 ]; then
        cp "$work"/*.log "$output/" 2> /dev/null || true
        echo "logs in $output" >&2
    fi
}
on_exit
game_session
export XDG_SESSION_TYPE=wayland
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

# start_weston NAME [OPTION...]: a headless compositor of 1280 x 1024 on the socket NAME, which
# draws (pixman), so that screenshots can be taken of it (--debug lets weston-screenshooter in).
start_weston() {
    step weston --backend=headless-backend.so --use-pixman --width=1280 --height=1024 --debug \
        --socket="$1" --log="$work/$1.log" "${@:2}" > /dev/null 2>&1
    wait_until 30 "weston on $1 (see its log)" test -S "$XDG_RUNTIME_DIR/$1"
}
# shot SOCKET FILE: a screenshot of the compositor's whole output; a script, for the player
# through the accessibility interface too.
# shellcheck disable=SC2016 # the script's own arguments
printf '#!/bin/sh\ncd "%s" && rm -f wayland-screenshot-*.png && WAYLAND_DISPLAY="$1" timeout 10 weston-screenshooter >/dev/null 2>&1 && mv wayland-screenshot-*.png "$2"\n' \
    "$work" > "$work/shot"
chmod +x "$work/shot"

# With Xwayland: X11, and the splash where the program puts it.
start_weston x-session --xwayland
wait_until 30 "weston's X display" grep -q 'listening on display' "$work/x-session.log"
x_display=$(sed -n 's/.*listening on display \(:[0-9]*\).*/\1/p' "$work/x-session.log")
step env WAYLAND_DISPLAY=x-session DISPLAY="$x_display" "$marolda" > "$work/x.log" 2>&1
program=$!
echo "Xwayland: $(DISPLAY="$x_display" game splash)"
"$work/shot" x-session "$output/xwayland-splash.png"
kill "$program"

# Without an X display: Wayland, played through a session bus and its accessibility bus.
start_weston session
bus_start
step env WAYLAND_DISPLAY=session WAYLAND_DEBUG=client QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$marolda" > "$work/wayland.log" 2>&1
program=$!
SHOTS="$work/shot session" OUTPUT="$output" game access
wait_until 30 "the program to end after Ciao" ended "$program"

# What reached the compositor: every window with its title, once a showing, the dialogs as
# children of the main window, and nothing else (the computer's window never shows).
awk '
    function object(text) { match(text, /xdg_toplevel[@#][0-9]+/); return substr(text, RSTART, RLENGTH) }
    /-> xdg_surface[@#][0-9]+\.get_toplevel/ { toplevels++ }
    # A toplevel is given its parent before its title. libwayland 1.23 writes object#id, not @.
    /-> xdg_toplevel[@#][0-9]+\.set_parent\(xdg_toplevel[@#]/ {
        child = object($0); sub(/.*set_parent\(/, ""); parent[child] = title[object($0)]
    }
    /-> xdg_toplevel[@#][0-9]+\.set_title/ {
        id = object($0); match($0, /"[^"]*"/); title[id] = substr($0, RSTART + 1, RLENGTH - 2)
        titles = titles "|" title[id]
        if (id in parent) { parents = parents "|" title[id] "<" parent[id]; delete parent[id] }
    }
    END { print toplevels + 0; print substr(titles, 2); print substr(parents, 2) }
' "$work/wayland.log" > "$work/toplevels"
{ read -r toplevels; read -r titles; read -r parents; } < "$work/toplevels"
dialogs="Imposta le navi|Istruzioni|Caratteristiche e regole del gioco|Istruzioni"
dialogs+="|Istruzioni pratiche|Istruzioni|Requisiti del sistema|Istruzioni|Informazioni|Arrivederci"
expected="Caricamento...|Marolda|$dialogs"
expected_parents=$(tr '|' '\n' <<< "$dialogs" | sed 's/$/<Marolda/' | paste -sd '|')
if [ "$titles" != "$expected" ] || [ "$toplevels" -ne 12 ] || [ "$parents" != "$expected_parents" ]
then
    echo "under Wayland, $toplevels windows reached the compositor: $titles" >&2
    echo "  with these parents: $parents" >&2
    echo "not the 12 windows: $expected" >&2
    echo "  with these parents: $expected_parents" >&2
    exit 1
fi
echo "Wayland: played through its accessibility interface; 12 windows reached the compositor" \
    "with their titles, the dialogs over the main window; screenshots in $output"
