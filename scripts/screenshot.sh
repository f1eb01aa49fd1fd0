#!/usr/bin/env bash
# Makes the README's picture of a game in progress: starts the game under Xvfb, places a fleet
# at random, fires a few shots and takes a picture of the main window. With --windows, pictures
# of the placement window and of the main window before any shot, which are the same from run to
# run: two builds that show the same compare equal (cmp).
# Usage: bash scripts/screenshot.sh [OUTPUT.png | --windows FOLDER]   (after a build in build/)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/lib.sh
command=(screenshot)
if [ "${1:-}" = --windows ]; then
    command=(windows) && shift && mkdir -p "${1:?usage: screenshot.sh --windows FOLDER}"
fi
output=$(realpath -m "${1:-docs/partita.png}")
bash scripts/setup.sh --quiet default x

on_exit
game_session
x_start
WORK="$work" game "${command[@]}" "$output" -- "$marolda"
