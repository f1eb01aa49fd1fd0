#!/usr/bin/env bash
# Builds the default preset and runs the benchmarks, which print their figures.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/setup.sh --quiet default
export QT_QPA_PLATFORM=offscreen
build/bench/bench_startup
echo
build/bench/bench_handlers
