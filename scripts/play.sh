#!/usr/bin/env bash
# Sets up what is missing, builds the game alone (no tests, no tools), and starts it.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/setup.sh --target marolda default
exec ./build/marolda
