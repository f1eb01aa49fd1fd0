#!/usr/bin/env bash
# Makes the README's picture of a game in progress: starts the game under Xvfb, places a fleet
# at random, fires a few shots and takes a picture of the main window.
# Usage: bash scripts/screenshot.sh [OUTPUT.png]   (after a build in build/)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
output="${1:-docs/partita.png}"
bash scripts/setup.sh default xvfb xauth x11-utils xdotool imagemagick > /dev/null

work=$(mktemp -d)
display=":$((80 + RANDOM % 9))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp > /dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2> /dev/null || true; rm -rf "$work"' EXIT
export DISPLAY="$display" XDG_RUNTIME_DIR="$work"
chmod 700 "$work"
sleep 1
./build/marolda &
program=$!

window() { xdotool search --onlyvisible --name "$1" 2> /dev/null | head -n 1 || true; }
wait_for() {
    for _ in $(seq 100); do
        local id
        id=$(window "$1")
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

main=$(wait_for '^Marolda$')
xdotool windowfocus --sync "$main" key F1
placement=$(wait_for '^Imposta le navi$')
xdotool windowfocus --sync "$placement" key alt+a
sleep 0.3
xdotool key alt+o
sleep 0.3
xdotool windowfocus --sync "$main" key F2
sleep 0.3
geometry=$(xwininfo -id "$main")
left=$(awk '/Absolute upper-left X/ {print $4}' <<< "$geometry")
top=$(awk '/Absolute upper-left Y/ {print $4}' <<< "$geometry")
menu=$(($(awk '/Height:/ {print $2}' <<< "$geometry") - 530))
for cell in 13 24 35 46 57 68 79 42 53 64 75 86 31; do
    xdotool mousemove $((left + 64 + (cell - 1) % 10 * 32 + 16)) \
        $((top + menu + 128 + (cell - 1) / 10 * 32 + 16)) click 1
    sleep 1.7
done
xdotool mousemove 0 0
sleep 0.3
import -window "$main" "$output"
kill "$program"
echo "wrote $output"
