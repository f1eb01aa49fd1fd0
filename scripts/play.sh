#!/usr/bin/env bash
# Sets up what is missing, builds, and starts the game.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/setup.sh default
exec ./build/marolda
