#!/usr/bin/env bash
# Plays one whole game by the keyboard alone under the screen reader Orca, and checks what Orca
# said and showed in braille (docs/testing.md). Orca runs under Xvfb with openbox and buses of
# its own, in English whatever the caller's language; the user's own Orca is left alone, and
# copies of the check may run at once.
# Usage: bash scripts/check-speech.sh [SPEECH.txt]   (after a build in build/; what Orca said is
# kept in SPEECH.txt if given)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/lib.sh
bash scripts/setup.sh --quiet default x speech
speech=$(realpath -m "${1:-/dev/null}")

cleanup() {
    if [ "$1" -ne 0 ] && [ -s "$work/orca.debug" ]; then
        cp "$work/orca.debug" build/orca-debug.txt
        echo "--- all that Orca logged: build/orca-debug.txt; what the program printed:" >&2
        cat "$work/marolda.log" >&2 2> /dev/null || true
    fi
}
on_exit
game_session
x_start
bus_start
step openbox > "$work/openbox.log" 2>&1
# Orca refuses to start beside another Orca of the same user, which it finds with pgrep -u
# UID -x orca. script runs it in a process session of its own, on a terminal of its own: given
# a pgrep that looks in that session alone (-s 0), it finds none of the user's, and never reads,
# stops or disturbs one.
mkdir "$work/bin"
printf '#!/bin/sh\nexec %s -s 0 "$@"\n' "$(command -v pgrep)" > "$work/bin/pgrep"
chmod +x "$work/bin/pgrep"
# Orca buffers its debug file unless the file is a terminal: given one by script, it writes
# each line at once, so that the check can follow what Orca says.
PATH="$work/bin:$PATH" step script -qfec 'exec orca --debug-file=/dev/tty' "$work/orca.debug" \
    > /dev/null 2>&1
orca=$!
orca_started() {
    if ended "$orca"; then
        echo "Orca ended before it spoke; the last of what it wrote:" >&2
        tail -n 20 "$work/orca.debug" >&2
        exit 1
    fi
    grep -q "SPEECH OUTPUT: 'Screen reader on" "$work/orca.debug" 2> /dev/null
}
wait_until 60 "Orca to start" orca_started
WORK="$work" game speech "$work/orca.debug" "$speech" -- "$marolda"
