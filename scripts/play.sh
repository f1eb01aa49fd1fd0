#!/usr/bin/env bash
# Sets up what is missing, builds the game alone (no tests, no tools; warnings are not errors
# here, so that a newer compiler cannot stop a player), and starts it. It first makes sure that
# the game has a display to show itself on, before it spends minutes installing and building.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

# no_display WHAT...: says what is missing, and stops.
no_display() {
    echo "play.sh cannot show the game: $*." >&2
    echo "Run it in a terminal of a desktop session; bash scripts/setup.sh --target marolda" \
        "builds the game without starting it." >&2
    exit 1
}
# x_reachable: succeeds if the X display in DISPLAY accepts this user. xdpyinfo says it best
# (the user's authorization included); without it, a server must listen where DISPLAY points.
x_reachable() {
    if command -v xdpyinfo > /dev/null; then
        x_said=$(xdpyinfo 2>&1 > /dev/null | head -n 1)
        return
    fi
    local host="${DISPLAY%%:*}" number="${DISPLAY#*:}"
    number="${number%%.*}"
    if [ -z "$host" ] || [ "$host" = unix ]; then
        [ -S "/tmp/.X11-unix/X$number" ]
    else
        # shellcheck disable=SC2016 # the inner shell expands its own arguments
        timeout 5 bash -c 'exec 3<> "/dev/tcp/$1/$2"' _ "$host" $((6000 + number)) 2> /dev/null
    fi
}
# As the game chooses (see the README): X11 wherever DISPLAY is set, else Wayland; a platform
# that the user set wins, and one that needs no display (offscreen, vnc) is not checked.
case "${QT_QPA_PLATFORM:-}" in
'' | xcb* | wayland*)
    if [[ ${QT_QPA_PLATFORM:-} != wayland* ]] && [ -n "${DISPLAY:-}" ]; then
        x_reachable || no_display "no X server accepts this user on the display $DISPLAY" \
            "(DISPLAY): the session has ended, or it is another user's${x_said:+ ($x_said)}"
    elif [[ ${QT_QPA_PLATFORM:-} != xcb* ]] && [ -n "${WAYLAND_DISPLAY:-}" ]; then
        socket=$WAYLAND_DISPLAY # a name in XDG_RUNTIME_DIR, or a path
        [[ $socket == /* ]] || socket="${XDG_RUNTIME_DIR:-/nonexistent}/$socket"
        [ -S "$socket" ] || no_display "no Wayland compositor listens at $WAYLAND_DISPLAY" \
            "(WAYLAND_DISPLAY, in XDG_RUNTIME_DIR)"
        wayland=1
    elif [[ ${QT_QPA_PLATFORM:-} == wayland* ]]; then
        no_display "QT_QPA_PLATFORM asks for Wayland, and WAYLAND_DISPLAY is not set"
    else
        no_display "no display is set (neither DISPLAY for X11 nor WAYLAND_DISPLAY for Wayland)"
    fi
    ;;
esac
bash scripts/setup.sh --target marolda --werror off default
# setup.sh installs Qt's Wayland plugin on Debian; elsewhere it may be missing still.
plugin='qt6/plugins/platforms/libqwayland*.so'
if [ -n "${wayland:-}" ] && ! compgen -G "/usr/lib*/$plugin" > /dev/null &&
    ! compgen -G "/usr/lib*/*/$plugin" > /dev/null; then
    no_display "Qt's Wayland plugin is not installed (Debian's qt6-wayland, Fedora's" \
        "qt6-qtwayland, Arch's qt6-wayland), and there is no X display"
fi
exec ./build/marolda
