#!/usr/bin/env bash
# Makes the README's picture of a game in progress: starts the game under Xvfb, places a fleet
# at random, fires a few shots and takes a picture of the main window.
# Usage: bash scripts/screenshot.sh [OUTPUT.png]   (after a build in build/)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/xgame.sh
output="${1:-docs/partita.png}"
bash scripts/setup.sh default xvfb xauth x11-utils x11-xserver-utils xdotool imagemagick > /dev/null

work=$(mktemp -d)
trap 'kill "${xvfb:-}" 2> /dev/null || true; rm -rf "$work"' EXIT
start_xvfb "$work"
./build/marolda &
program=$!
start_game
for cell in 13 24 35 46 57 68 79 42 53 64 75 86 31; do
    fire "$cell"
done
xdotool mousemove 0 0

# The picture is the window once two grabs in a row agree: the last paint has arrived whole.
settled() {
    mv "$work/now.ppm" "$work/before.ppm"
    import -window "$main" "$work/now.ppm"
    cmp -s "$work/before.ppm" "$work/now.ppm"
}
import -window "$main" "$work/now.ppm"
wait_until 10 "the window to stop changing" settled
convert "$work/now.ppm" "$output"
kill "$program"
echo "wrote $output"
