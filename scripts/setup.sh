#!/usr/bin/env bash
# Installs whatever the build needs and is missing (Debian packages), then configures and
# builds the preset given as the first argument (default: "default"); further arguments name
# more packages to install. With --target NAME first, builds that target alone.
# Usage: setup.sh [--target NAME] [PRESET [PACKAGE...]]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

target=()
if [ "${1:-}" = --target ]; then
    target=(--target "$2")
    shift 2
fi
preset="${1:-default}"
shift || true
packages=(g++ make cmake pkg-config qt6-base-dev qt6-svg-dev fonts-comic-neue fonts-liberation "$@")

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
        missing+=("$package")
    fi
done
if ((${#missing[@]})); then
    as_root=()
    if [ "$(id -u)" -ne 0 ]; then
        as_root=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${as_root[@]}" apt-get update -q
    # sudo resets the environment: the variable goes to apt-get through env, after sudo.
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

cmake --preset "$preset"
cmake --build --preset "$preset" --parallel "$(nproc)" "${target[@]}"
