#!/usr/bin/env bash
# Installs the program into a temporary prefix and plays one whole game with it under Xvfb,
# traced by strace; fails if the program opens any file for writing or connects any socket
# other than the X display's. Usage: bash scripts/check-no-files.sh   (after a build in build/)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/xgame.sh
bash scripts/setup.sh default xvfb xauth x11-utils x11-xserver-utils xdotool strace imagemagick > /dev/null

work=$(mktemp -d)
# On a failure once the program ran: whether Xvfb still ran and what it wrote, and the last of
# the program's trace. (start_xvfb speaks for a server that did not come up.)
# shellcheck disable=SC2317,SC2329 # called from the trap below
cleanup() {
    if [ $? -ne 0 ] && [ -n "${program:-}" ]; then
        if ! kill -0 "$xvfb" 2> /dev/null; then
            echo "Xvfb had ended" >&2
        fi
        xvfb_said "$work/xvfb.log"
        if [ -s "$work/trace" ]; then
            echo "--- the last the program did, as traced:" >&2
            tail -n 20 "$work/trace" >&2
        fi
    fi
    kill "${xvfb:-}" 2> /dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
cmake --install build --prefix "$work/prefix" > /dev/null
# The program sees no session bus (see start_xvfb), as on a machine without a desktop: a
# desktop's bus would draw its accessibility bridge into a connection that this check forbids.
start_xvfb "$work"
strace -f -qq -e trace=%file,%network -o "$work/trace" "$work/prefix/games/marolda" &
program=$!
start_game

# Fire at every cell in turn until one side has won.
ended=""
for cell in $(seq 100); do
    fire "$cell"
    ended=$(game_over)
    if [ -n "$ended" ]; then
        break
    fi
done
if [ -z "$ended" ]; then
    echo "the game did not end" >&2
    exit 1
fi
echo "game over: $(xdotool getwindowname "$ended")"
press_for "$ended" Escape "close the end-of-game window" window_gone '^Hai (vinto|perso)!$'
# strace ends with the last process it traces, the program's children included.
# shellcheck disable=SC2317,SC2329 # called by wait_until
program_ended() { ! kill -0 "$program" 2> /dev/null; }
wait_until 30 "the program and all it started to end" program_ended
wait "$program"

# Opened for writing: any successful open with a writing flag, /dev/null aside.
writes=$(grep -E '(open|openat|creat)\(' "$work/trace" |
    grep -E 'O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND|creat\(' |
    grep -vE '= -1 |"/dev/null"' || true)
# Sockets: only local ones, and the only connection made is the X display's.
network=$(grep -E ' socket\(' "$work/trace" | grep -v 'AF_UNIX' || true)
connections=$(grep -E ' connect\(' "$work/trace" | grep -E '\) = 0' |
    grep -v "X11-unix/X${DISPLAY#:}\"" || true)
listening=$(grep -E ' (bind|listen)\(' "$work/trace" | grep -v '= -1 ' || true)
status=0
for finding in "$writes" "$network" "$connections" "$listening"; do
    if [ -n "$finding" ]; then
        echo "$finding"
        status=1
    fi
done
if [ "$status" -eq 0 ]; then
    echo "no file opened for writing, no socket connected but the display's" \
        "($(wc -l < "$work/trace") traced calls)"
fi
exit "$status"
