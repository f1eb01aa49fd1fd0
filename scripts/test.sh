#!/usr/bin/env bash
# Sets up what is missing, builds, and runs every test headless. Exits non-zero if any fails.
# An optional argument names the preset: "default" (build/) or "asan" (build-asan/).
# The default build also makes the Debian package and has lintian check it
# (scripts/check-package.sh), installs the program into a temporary prefix and plays one whole
# game with it under strace (scripts/check-no-files.sh), plays one by the keyboard alone under
# the screen reader Orca (scripts/check-speech.sh), and runs the program in a Wayland session,
# with Xwayland and without (scripts/check-wayland.sh).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
preset="${1:-default}"
# Beyond the build: the validators of the installed files, the packaging tools and lintian, and
# Xvfb with what drives, watches and traces the program for the check of its files and sockets.
bash scripts/setup.sh --werror on "$preset" desktop-file-utils appstream dpkg-dev file lintian \
    xvfb xauth x11-utils x11-xserver-utils xdotool imagemagick strace
export QT_QPA_PLATFORM=offscreen
ctest --preset "$preset" --parallel "$(nproc)"
if [ "$preset" = default ]; then
    bash scripts/check-package.sh
    bash scripts/check-no-files.sh
    bash scripts/check-speech.sh
    bash scripts/check-wayland.sh
fi
