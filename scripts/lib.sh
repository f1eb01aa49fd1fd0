# shellcheck shell=bash
# What every script does with processes, buses and X servers; source it, do not run it.
# A script calls on_exit once: from then on, whatever it started with step ends with it, on an
# error, at its end or on SIGINT or SIGTERM, and is waited for; its function cleanup, if it has
# one, runs first, with the script's status; and its temporary folder, work, made then, goes.

# Steps run in the background, each in a process group of its own (set -m): a command started
# with & alone ignores SIGINT, and would go on after the script has ended. A step reads nothing
# from the terminal: a group in the background that reads it is stopped (state T), and a wait
# for it would never end. A step is waited for, never left to run in the foreground, so that a
# signal ends the wait at once: bash runs a trap only once its foreground command has ended.
steps=()
# The program that the checks play (MAROLDA_PROGRAM: one built elsewhere, as mutants.sh's), by
# its full path: a command that ends programs named ./build/marolda does not reach it.
# shellcheck disable=SC2034 # for the scripts that source this one
marolda=${MAROLDA_PROGRAM:-$PWD/build/marolda}

# step COMMAND...: starts COMMAND as a step; $! is its process group.
step() {
    set -m
    "$@" < /dev/null &
    set +m
    steps+=($!)
}

# signal_steps SIGNAL: sends SIGNAL (0: none) to every step's group that is still the script's
# own, and succeeds if any was there. A step's number is free again once all that it started has
# ended, and the machine may have given it to any process since: a group is skipped whose leader
# runs, but not as our child.
signal_steps() {
    local group parent found=1
    for group in "${steps[@]}"; do
        if parent=$(ps -o ppid= -p "$group") && [ "${parent// /}" != $$ ]; then
            continue
        fi
        kill "-$1" -- "-$group" 2> /dev/null && found=0
    done
    return "$found"
}

# end_steps: tells every step's group to end and waits for them: a step may still clean up after
# itself (a check's own trap stops what it started), which takes a few seconds. A group still
# there after 10 s (Orca may hang on its way out) is killed. Waited for to the end: an X server
# still on its way out would remove the socket of the next server given the same display.
end_steps() {
    local tries=100
    signal_steps TERM || true
    while ((tries-- > 0)) && signal_steps 0; do
        sleep 0.1
    done
    ((tries >= 0)) || signal_steps KILL || true
    wait 2> /dev/null || true # (not a word of bash's for each step that a signal ended)
    steps=()
}

# on_exit: the script's end, however it comes, as the comment at the top says.
on_exit() {
    trap finish EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
    work=$(mktemp -d)
}
# shellcheck disable=SC2317,SC2329 # called from the trap above
finish() {
    local status=$?
    trap - EXIT INT TERM
    [ "$(type -t cleanup)" != function ] || cleanup "$status" || true
    end_steps
    [ -z "${work:-}" ] || rm -rf "$work"
    exit "$status"
}

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

# ended PID: succeeds once the process has ended.
ended() { ! kill -0 "$1" 2> /dev/null; }

# rooted FOLDER: prints the processes whose root is FOLDER (a chroot's). One find: a readlink for
# each process of a busy machine takes seconds; find fails if one ends meanwhile, printing the rest.
rooted() {
    { find /proc -mindepth 2 -maxdepth 2 -name root -lname "$1" -printf '%h\n' 2> /dev/null ||
        true; } | cut -d/ -f3
}

# bus_start: starts a session bus of the script's own and exports its address.
bus_start() {
    step dbus-daemon --session --nofork --address="unix:path=$work/bus" --print-address=3 \
        3> "$work/bus-address" > "$work/bus.log" 2>&1
    wait_until 30 "the session bus (see $work/bus.log)" test -s "$work/bus-address"
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/bus"
}

# game_session: the environment that the program is played in, whatever the caller's: a home
# and a runtime folder of the check's own, no session bus (neither a desktop's nor one that
# libdbus would launch for the display: a script that needs one starts its own afterwards), the
# real window system, no scaling of a HiDPI desktop (the checks find the cells by their places
# in the window), and untranslated messages from every tool (Orca's come from the first of
# LANGUAGE, LC_ALL, LC_MESSAGES and LANG that is set).
game_session() {
    export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb
    export XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.data"
    export XDG_CACHE_HOME="$work/home/.cache" LC_ALL=C.UTF-8 LANG=C.UTF-8
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-session-bus"
    unset AT_SPI_BUS_ADDRESS LANGUAGE QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_FONT_DPI \
        QT_AUTO_SCREEN_SCALE_FACTOR QT_ENABLE_HIGHDPI_SCALING QT_SCALE_FACTOR_ROUNDING_POLICY \
        QT_USE_PHYSICAL_DPI QT_STYLE_OVERRIDE
    mkdir -p "$HOME"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
}

# game: runs the module that plays the game (scripts/game.py) with Debian's python3, which has
# the modules it needs (the first python3 on PATH may be another).
game() { /usr/bin/python3 -u scripts/game.py "$@"; }

# x_start: starts Xvfb on a free display as a step (its number in xvfb) and exports DISPLAY
# once the server answers; fails saying what it wrote if it ends or stays silent.
x_start() {
    # The server writes its display number to the descriptor once it accepts connections.
    # -noreset: by default the server resets when its last client leaves (here the first
    # readiness probe, or a poll for a window before the program is up), and hangs up on a
    # client that connects while it resets: the program then ends, "could not connect".
    step Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3> "$work/display" \
        > "$work/xvfb.log" 2>&1
    xvfb=$!
    if wait_until 30 "Xvfb to start" x_written && [ -s "$work/display" ]; then
        DISPLAY=":$(< "$work/display")"
        export DISPLAY
        wait_until 30 "Xvfb to answer on $DISPLAY" game answers && return 0
    fi
    x_said
    return 1
}
x_written() { [ -s "$work/display" ] || ended "$xvfb"; }
# x_said: whether the server still runs, and the last of what it wrote, if anything.
x_said() {
    if ended "$xvfb"; then
        echo "Xvfb has ended" >&2
    fi
    if [ -s "$work/xvfb.log" ]; then
        echo "--- what Xvfb wrote:" >&2
        tail -n 20 "$work/xvfb.log" >&2
    fi
}
