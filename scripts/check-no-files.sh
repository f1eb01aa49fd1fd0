#!/usr/bin/env bash
# Installs the program into a temporary prefix and plays one whole game with it under Xvfb,
# traced by strace; fails if the program opens any file for writing or connects any socket
# other than the X display's. Usage: bash scripts/check-no-files.sh   (after a build in build/)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/lib.sh
bash scripts/setup.sh --quiet default x files

work_folder
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
