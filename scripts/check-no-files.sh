#!/usr/bin/env bash
# Installs the program into a temporary prefix and plays one whole game with it under Xvfb,
# traced by strace; fails if the program opens any file for writing or connects any socket
# other than the X display's. Usage: bash scripts/check-no-files.sh   (after a build in build/)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/lib.sh
bash scripts/setup.sh --quiet default x files

# On a failure once the program ran: what Xvfb wrote, and the last of the program's trace.
# shellcheck disable=SC2317,SC2329 # called from lib.sh's trap
cleanup() {
    if [ "$1" -ne 0 ] && [ -s "$work/trace" ]; then
        x_said
        echo "--- the last the program did, as traced:" >&2
        tail -n 20 "$work/trace" >&2
    fi
}
on_exit
cmake --install build --prefix "$work/prefix" > /dev/null
# The program sees no session bus (see game_session), as on a machine without a desktop: a
# desktop's bus would draw its accessibility bridge into a connection that this check forbids.
game_session
x_start
# strace ends with the last process it traces, the program's children included.
WORK="$work" game files -- strace -f -qq -e trace=%file,%network -o "$work/trace" \
    "$work/prefix/games/marolda"

# Opened for writing: any successful open with a writing flag, /dev/null aside; sockets: only
# local ones, and the only connection made is the X display's. (Each grep that finds nothing
# fails, which stops nothing within $(...).)
findings=$(
    grep -E '(open|openat|creat)\(' "$work/trace" |
        grep -E 'O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND|creat\(' | grep -vE '= -1 |"/dev/null"'
    grep -E ' socket\(' "$work/trace" | grep -v 'AF_UNIX'
    grep -E ' connect\(' "$work/trace" | grep -E '\) = 0' | grep -v "X11-unix/X${DISPLAY#:}\""
    grep -E ' (bind|listen)\(' "$work/trace" | grep -v '= -1 '
) || true
if [ -n "$findings" ]; then
    echo "$findings"
    exit 1
fi
echo "no file opened for writing, no socket connected but the display's" \
    "($(wc -l < "$work/trace") traced calls)"
