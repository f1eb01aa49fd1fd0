#!/usr/bin/env bash
# Sets up what is missing, builds, and runs every test headless. Exits non-zero if any fails.
# An optional argument names the preset: "default" (build/) or "asan" (build-asan/).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
preset="${1:-default}"
bash scripts/setup.sh "$preset"
export QT_QPA_PLATFORM=offscreen
ctest --preset "$preset" --parallel "$(nproc)"
