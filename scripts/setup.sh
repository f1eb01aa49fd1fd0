#!/usr/bin/env bash
# Installs whatever the build needs and is missing (Debian packages), then configures and
# builds the preset given as the first argument (default: "default").
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

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
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

cmake --preset "$preset"
cmake --build --preset "$preset" --parallel "$(nproc)"
