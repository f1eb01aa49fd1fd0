#!/usr/bin/env bash
# Installs whatever the build needs and is missing (Debian packages), then configures and
# builds the preset given as the first argument (default: "default"); further arguments name
# more packages to install. With --target NAME, builds that target alone. --werror on (the
# developers' and CI's build) or off (a player's) sets whether warnings are errors; without it
# a build folder keeps what it was configured with, and a new one has them off.
# Usage: setup.sh [--target NAME] [--werror on|off] [PRESET [PACKAGE...]]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

target=() werror=()
while [ $# -gt 0 ]; do
    case "$1" in
    --target) target=(--target "$2") ;;
    --werror) werror=("-DMAROLDA_WERROR=${2^^}") ;;
    *) break ;;
    esac
    shift 2
done
preset="${1:-default}"
shift || true
packages=(g++ make cmake pkg-config qt6-base-dev qt6-svg-dev fonts-comic-neue fonts-liberation "$@")

if ! command -v apt-get > /dev/null || ! command -v dpkg-query > /dev/null; then
    # Not a Debian system: nothing is installed here. The build goes on if its tools are there.
    if ! command -v cmake > /dev/null || ! command -v c++ > /dev/null; then
        cat >&2 << EOF
This system has no apt-get, so nothing was installed. To build Marolda, install:
  a C++20 compiler, make, CMake 3.25 or later, pkg-config, Qt 6.4 or later with its
  Widgets, Svg and Test modules, and the fonts Comic Neue and Liberation (optional).
The README names the packages on Fedora and Arch. The Debian names are:
  ${packages[*]}
EOF
        exit 1
    fi
else
    missing=()
    for package in "${packages[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2> /dev/null | grep -q "ok installed"; then
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
fi

cmake --preset "$preset" "${werror[@]}"
cmake --build --preset "$preset" --parallel "$(nproc)" "${target[@]}"
