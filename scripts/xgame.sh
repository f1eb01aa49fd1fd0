# shellcheck shell=bash
# Shared by the scripts that play the real program under Xvfb; source it, do not run it.

# wait_until SECONDS WHAT COMMAND...: runs COMMAND every 50 ms until it succeeds, or fails.
wait_until() {
    local limit="$1" what="$2" deadline
    shift 2
    deadline=$((${EPOCHREALTIME//[!0-9]/} + limit * 1000000))
    until "$@"; do
        if ((${EPOCHREALTIME//[!0-9]/} > deadline)); then
            echo "gave up after $limit s waiting for $what" >&2
            return 1
        fi
        sleep 0.05
    done
}

# start_xvfb WORK: starts Xvfb on a free display, its files in WORK, and exports a session.
start_xvfb() {
    local work="${!#}" # the last argument: callers once passed a display number before it
    # The server writes its display number to the descriptor once it accepts connections.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3> "$work/display" \
        > "$work/xvfb.log" 2>&1 &
    xvfb=$!
    wait_until 30 "Xvfb to start (see $work/xvfb.log)" test -s "$work/display" || return 1
    # The real window system, whatever platform the tests chose for themselves. No session
    # bus: neither the caller's (a desktop's) nor one that libdbus would launch for the
    # display. A script that needs one starts its own and exports its address afterwards.
    DISPLAY=":$(< "$work/display")"
    export DISPLAY XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-session-bus"
    unset AT_SPI_BUS_ADDRESS
    mkdir -m 700 "$XDG_RUNTIME_DIR"
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
