#!/usr/bin/env bash
# Sets up what is missing, builds, and runs every test headless. Exits non-zero if any fails.
# An optional argument names the preset: "default" (build/) or "asan" (build-asan/).
# The default build also makes the Debian package and has lintian check it
# (scripts/check-package.sh), installs the program into a temporary prefix and plays one whole
# game with it under strace (scripts/check-no-files.sh), plays one by the keyboard alone under
# the screen reader Orca (scripts/check-speech.sh), and runs the program in a Wayland session,
# with Xwayland and without (scripts/check-wayland.sh), and follows the keyboard focus through
# the game's windows under the window managers openbox and mutter (scripts/check-focus.sh).
# Every script is read by shellcheck first.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
preset="${1:-default}"
# Everything that any check below needs, installed in one step at the start, so that sudo asks
# at most once, before the build, and never minutes later: the validators of the installed
# files, the packaging tools and lintian, shellcheck, Xvfb with what drives, watches and
# traces the program, Orca with its window manager and buses, the window manager mutter, and
# weston with Xwayland, Qt's Wayland plugin and what plays the program through its
# accessibility interface.
packages=(desktop-file-utils appstream dpkg-dev file lintian shellcheck
    xvfb xauth x11-utils x11-xserver-utils xdotool imagemagick strace
    dbus at-spi2-core openbox orca mutter
    weston xwayland qt6-wayland python3-gi gir1.2-atspi-2.0)
if [ "$preset" != default ]; then
    packages=()
fi
echo "test.sh needs, beside the build's own packages: ${packages[*]:-nothing more}"
bash scripts/setup.sh --werror on "$preset" "${packages[@]}"
# From here on, each check finds its packages in place and installs nothing.
export MAROLDA_PACKAGES_READY=1
if [ "$preset" = default ]; then
    shellcheck scripts/*.sh .ci/run
fi
export QT_QPA_PLATFORM=offscreen
ctest --preset "$preset" --parallel "$(nproc)"
if [ "$preset" = default ]; then
    bash scripts/check-package.sh
    bash scripts/check-no-files.sh
    bash scripts/check-speech.sh
    bash scripts/check-wayland.sh
    # Side by side: a whole game each, mostly spent waiting for the computer's answers. A mutter
    # without an X11 mode (GNOME 49 and later) runs only as a Wayland compositor, whose focus
    # the X server does not know: there openbox alone is followed, and the output says so.
    focus=0
    if [[ $(mutter --help 2>&1) == *--x11* ]]; then
        bash scripts/check-focus.sh mutter > build/focus-mutter.log 2>&1 &
        mutter=$!
    else
        echo "$(mutter --version | head -n 1) has no X11 mode:" \
            "the focus is followed under openbox only"
    fi
    bash scripts/check-focus.sh openbox || focus=$?
    if [ -n "${mutter:-}" ]; then
        wait "$mutter" || focus=$?
        cat build/focus-mutter.log
    fi
    exit "$focus"
fi
