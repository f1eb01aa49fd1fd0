# Shared by the scripts that play the real program under Xvfb; source it, do not run it.

# Starts Xvfb on a free display of the range given ($1, such as 90) and exports DISPLAY, and an
# XDG_RUNTIME_DIR under $2, as a desktop session would. Sets xvfb to the server's process.
start_xvfb() {
    local base="$1" work="$2" number
    number=$((base + RANDOM % 9))
    Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp > "$work/xvfb.log" 2>&1 &
    xvfb=$!
    # The real window system, whatever platform the tests chose for themselves.
    export DISPLAY=":$number" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb
    # No session bus. Where dbus-launch is installed, Qt's first look for the bus would start
    # one, a daemon that writes files and outlives the game (and keeps strace waiting).
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    for _ in $(seq 50); do
        if xdpyinfo > /dev/null 2>&1; then
            return 0
        fi
        sleep 0.1
    done
}

# The visible window whose caption matches $1, if any.
window() { xdotool search --onlyvisible --name "$1" 2> /dev/null | head -n 1 || true; }

# Waits up to ten seconds for the window whose caption matches $1, and prints it.
wait_for() {
    for _ in $(seq 100); do
        local id
        id=$(window "$1")
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    echo "no window \"$1\" appeared" >&2
    return 1
}

# Waits up to ten seconds for the window whose caption matches $1 to go.
wait_gone() {
    for _ in $(seq 100); do
        if [ -z "$(window "$1")" ]; then
            return 0
        fi
        sleep 0.1
    done
    echo "the window \"$1\" did not go" >&2
    return 1
}

# From the start-up window to the first shot: a random fleet, OK, "Comincia". Sets main to the
# main window and left, top and menu to the place of its client area.
start_game() {
    main=$(wait_for '^Marolda$')
    xdotool windowfocus --sync "$main" key F1
    local placement
    placement=$(wait_for '^Imposta le navi$')
    xdotool windowfocus --sync "$placement" key alt+a
    sleep 0.3
    xdotool key alt+o
    # "Comincia" is enabled once OK has taken the fleet and closed the placement window.
    wait_gone '^Imposta le navi$'
    xdotool windowfocus --sync "$main" key F2
    sleep 0.3
    local geometry
    geometry=$(xwininfo -id "$main")
    left=$(awk '/Absolute upper-left X/ {print $4}' <<< "$geometry")
    top=$(awk '/Absolute upper-left Y/ {print $4}' <<< "$geometry")
    menu=$(($(awk '/Height:/ {print $2}' <<< "$geometry") - 530))
}

# Fires at attack cell $1 (1 to 100) and leaves the computer its 1.5 seconds to answer.
fire() {
    local cell=$(($1 - 1))
    xdotool mousemove $((left + 64 + cell % 10 * 32 + 16)) \
        $((top + menu + 128 + cell / 10 * 32 + 16)) click 1
    sleep 1.6
}
