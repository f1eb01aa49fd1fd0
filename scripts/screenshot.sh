#!/usr/bin/env bash
# Makes the README's picture of a game in progress: starts the game under Xvfb, places a fleet
# at random, fires a few shots and takes a picture of the main window.
# Usage: bash scripts/screenshot.sh [OUTPUT.png]   (after a build in build/)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/lib.sh
output=$(realpath -m "${1:-docs/partita.png}")
bash scripts/setup.sh --quiet default x

on_exit
game_session
x_start
WORK="$work" game screenshot "$output" -- "$marolda"
