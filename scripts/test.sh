#!/usr/bin/env bash
# Sets up what is missing, builds, and runs every test headless. Exits non-zero if any fails.
# An optional argument names the preset: "default" (build/) or "asan" (build-asan/).
# The default build also plays one whole game under strace (scripts/check-no-files.sh).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
preset="${1:-default}"
bash scripts/setup.sh "$preset"
export QT_QPA_PLATFORM=offscreen
ctest --preset "$preset" --parallel "$(nproc)"
if [ "$preset" = default ]; then
    bash scripts/check-no-files.sh
fi
