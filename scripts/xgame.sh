# shellcheck shell=bash
# Shared by the scripts that play the real program under Xvfb; source it, do not run it.
# Nothing here waits a fixed time: every wait polls for the state it needs, for 30 s at most
# (wait_for, wait_gone, wait_answer and fire take another limit as their last argument), and
# fails saying what did not come. What a key does shows within key_limit seconds, or the key
# did not do it. A poll that reads the screen grabs it once.
# Globals: xvfb, the server's process (start_xvfb); main, the main window, whose client area
# lies at (left, top + menu) on the screen, menu being its menu bar's height (start_game).

# The back colours of the cells, as the screen shows them (RRGGBB).
hit_colour=FFC080 miss_colour=00FFFF ship_colour=FF0000
# How long a key is given to show its effect: a window, a cell, a shot, or what Orca says.
key_limit=10

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
    # -noreset: by default the server resets when its last client leaves (here the first
    # readiness probe, or a poll for a window before the program is up), and hangs up on a
    # client that connects while it resets: the program then ends, "could not connect".
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3> "$work/display" \
        > "$work/xvfb.log" 2>&1 &
    # shellcheck disable=SC2034 # for the caller, which stops the server when it ends
    xvfb=$!
    wait_until 30 "Xvfb to start (see $work/xvfb.log)" test -s "$work/display" || return 1
    DISPLAY=":$(< "$work/display")"
    export DISPLAY
    # A server that has written its number accepts connections. One that has ended since, or
    # that does not take this user, is said so here, with what it wrote, not by the program.
    wait_until 30 "Xvfb to answer on $DISPLAY" xvfb_answers "$work/xvfb.log" ||
        { xvfb_said "$work/xvfb.log"; return 1; }
    # The real window system, whatever platform the tests chose for themselves. No session
    # bus: neither the caller's (a desktop's) nor one that libdbus would launch for the
    # display. A script that needs one starts its own and exports its address afterwards.
    export XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-session-bus"
    unset AT_SPI_BUS_ADDRESS
    mkdir -m 700 "$XDG_RUNTIME_DIR"
}

# xvfb_answers LOG: succeeds once the server in DISPLAY answers; ends the script if the server
# has ended.
xvfb_answers() {
    if ! kill -0 "$xvfb" 2> /dev/null; then
        echo "Xvfb ended on $DISPLAY before it answered" >&2
        xvfb_said "$1"
        exit 1
    fi
    xdpyinfo > /dev/null 2>&1
}
# xvfb_said LOG: shows the last of what the server wrote, if it wrote anything.
xvfb_said() {
    if [ -s "$1" ]; then
        echo "--- what Xvfb wrote:" >&2
        tail -n 20 "$1" >&2
    fi
}

# window REGEX: prints the visible window whose caption matches REGEX (extended), if any.
# The program's own windows only (WM_CLASS "marolda"): mutter 44 and later draw each frame by a
# client of their own, which gives the frame the caption of the window in it.
window() {
    local id
    for id in $(xdotool search --onlyvisible --name "$1" 2> /dev/null); do
        if xprop -id "$id" WM_CLASS 2> /dev/null | grep -q '= "marolda",'; then
            echo "$id"
            return 0
        fi
    done
}

# window_found REGEX: sets found to such a window, or fails.
window_found() { found=$(window "$1") && [ -n "$found" ]; }

# wait_for REGEX [SECONDS]: waits for a visible window whose caption matches, and prints it.
wait_for() {
    wait_until "${2:-30}" "a window \"$1\"" window_found "$1" || return 1
    echo "$found"
}

# window_gone REGEX: succeeds if no visible window's caption matches.
window_gone() { [ -z "$(window "$1")" ]; }

# wait_gone REGEX [SECONDS]: waits until no visible window's caption matches.
wait_gone() { wait_until "${2:-30}" "the window \"$1\" to go" window_gone "$1"; }

# read_keymap: reads the display's keymap into keymap, once a display.
read_keymap() {
    if [ "${keymap_display:-}" != "$DISPLAY" ]; then
        keymap=$(xmodmap -pke) || return 1
        keymap_display=$DISPLAY
    fi
}

# keycodes KEY...: prints the keys (xdotool's names, such as F1, space, alt+a, shift+Tab), each
# key given by the keycode that types it without a modifier on the server's keymap. xdotool's
# own lookup may type a key through another keycode and a modifier: F1 became Alt+F1 on a
# keymap where the F1 key also switches to the first console.
keycodes() {
    local key parts code typed=()
    read_keymap || return 1
    for key in "$@"; do
        IFS=+ read -ra parts <<< "$key"
        code=$(awk -v name="${parts[-1]}" '$4 == name {print $2; exit}' <<< "$keymap")
        if [ -z "$code" ]; then
            echo "no key types ${parts[-1]} by itself on this keymap" >&2
            return 1
        fi
        # xdotool takes a number below 10 for the key of that digit: such a key keeps its name.
        if ((code >= 10)); then
            parts[-1]=$code
        fi
        typed+=("$(IFS=+ && echo "${parts[*]}")")
    done
    echo "${typed[*]}"
}

# press WINDOW KEY...: gives WINDOW the focus and presses the keys (xdotool's names), or fails.
press() {
    local codes
    read_keymap || return 1 # here, not in the subshell below, which would forget it
    codes=$(keycodes "${@:2}") || return 1
    # shellcheck disable=SC2086 # one word a key
    timeout 10 xdotool windowfocus --sync "$1" key $codes && return 0
    echo "could not press ${*:2} in window $1" >&2
    return 1
}

# press_for WINDOW KEYS WHAT COMMAND...: presses KEYS (a list) in WINDOW, then waits up to
# key_limit seconds for COMMAND to succeed; fails saying that the keys did not do WHAT.
press_for() {
    local window="$1" keys="$2" what="$3" list
    shift 3
    read -ra list <<< "$keys"
    press "$window" "${list[@]}" || return 1
    wait_until "$key_limit" "$what" "$@" 2> /dev/null && return 0
    echo "pressing $keys did not $what within $key_limit s" >&2
    return 1
}

# game_over: prints the end-of-game window ("Hai vinto!" or "Hai perso!"), if it is up.
game_over() { window '^Hai (vinto|perso)!$'; }

# pixel WINDOW X Y: prints the colour (RRGGBB) of the pixel at (X, Y) in WINDOW.
pixel() {
    import -window "$1" -crop "1x1+$2+$3" -depth 8 txt:- |
        sed -n 's/.* #\([0-9A-F]\{6\}\) .*/\1/p'
}

# grid_colours WINDOW X Y PITCH: prints the back colours of the 10 x 10 cells from (X, Y), or
# fails and prints nothing: a grab that failed must not read as a grid of no shots.
grid_colours() {
    local colours
    # One grab; each cell read 3 px in from its corner, inside the bevel, clear of the picture.
    colours=$(import -window "$1" -crop "$((10 * $4))x$((10 * $4))+$(($2 + 3))+$(($3 + 3))" \
        ppm:- | convert ppm:- -define sample:offset=0 -sample 10x10 -depth 8 txt:- |
        sed -n 's/.* #\([0-9A-F]\{6\}\) .*/\1/p') || return 1
    [ "$(wc -l <<< "$colours")" -eq 100 ] || return 1
    echo "$colours"
}

# board_left BOARD: prints where "attack" or "defence" starts across the main window.
board_left() { if [ "$1" = defence ]; then echo 456; else echo 64; fi; }

# column CELL, row CELL: print where cell 1 to 100 lies in its board, counting from 0.
column() { echo $((($1 - 1) % 10)); }
row() { echo $((($1 - 1) / 10)); }

# cell_colour BOARD CELL: prints the back colour of a cell of the main window.
cell_colour() {
    pixel "$main" $(($(board_left "$1") + 32 * $(column "$2") + 3)) \
        $((menu + 128 + 32 * $(row "$2") + 3))
}

# shot_at BOARD CELL: succeeds if the cell shows a shot, hit or missed.
shot_at() { [[ $(cell_colour "$1" "$2") =~ ^($hit_colour|$miss_colour)$ ]]; }

# count_cells BOARD REGEX: prints how many cells of BOARD show a colour matching REGEX, or fails.
count_cells() {
    local colours
    colours=$(grid_colours "$main" "$(board_left "$1")" $((menu + 128)) 32) || return 1
    grep -c -E "^($2)$" <<< "$colours" || true
}

# shots_on BOARD: prints how many cells of BOARD show a shot, hit or missed, or fails.
shots_on() { count_cells "$1" "$hit_colour|$miss_colour"; }

# shots_before: sets before to the shots on the defence board, read again if a grab fails. A
# count read too low would pass the computer's turn for its answer, and the next click, made
# while the game waits for that answer, would do nothing.
shots_read() { before=$(shots_on defence); }
shots_before() { wait_until 10 "a reading of the defence board" shots_read; }

# what_went_wrong WHAT: after a wait for WHAT that failed, says whether the display and the
# program still ran, what the boards showed, and keeps a picture of the screen.
what_went_wrong() {
    local state=()
    if [ -n "${xvfb:-}" ] && ! kill -0 "$xvfb" 2> /dev/null; then
        state+=("Xvfb had ended")
    fi
    if [ -n "${program:-}" ] && ! kill -0 "$program" 2> /dev/null; then
        state+=("the program had ended")
    fi
    state+=("the attack board showed $(shots_on attack || echo '?') shots and the defence board" \
        "$(shots_on defence || echo '?')")
    if [ -n "$(game_over)" ]; then
        state+=("the end-of-game window was up")
    fi
    if import -window root build/game-failure.png 2> /dev/null; then
        state+=("the screen is in build/game-failure.png")
    fi
    echo "while waiting for $1: ${state[*]}" >&2
}

# fired_at CELL: succeeds if attack cell CELL shows a shot, or the game is over. The shot that
# wins brings the end-of-game window, centred on the screen over the attack grid: the cell may
# be under it before a grab has seen it change.
fired_at() { [ -n "$(game_over)" ] || shot_at attack "$1"; }

# answered SHOTS: succeeds if the game has ended, or if the defence board shows more than SHOTS
# and the player's fleet still afloat. The shot that sinks it brings the end-of-game window, which
# maps a moment after the board shows the shot: until it is up, the answer is not over, and a
# click in the meantime would meet the window that it opens.
answered() {
    local colours
    [ -n "$(game_over)" ] && return 0
    colours=$(grid_colours "$main" "$(board_left defence)" $((menu + 128)) 32)
    (($(grep -c -E "^($hit_colour|$miss_colour)$" <<< "$colours") > $1)) &&
        (($(grep -c -E "^$hit_colour$" <<< "$colours") < 12))
}

# wait_answer SHOTS [SECONDS]: waits for the answer to a shot fired when defence showed SHOTS.
wait_answer() { wait_until "${2:-30}" "the computer's answer" answered "$1"; }

# fleet_drawn WINDOW: succeeds if the placement window shows twelve ships on its grid.
fleet_drawn() { [ "$(grid_colours "$1" 48 88 24 | grep -c "^$ship_colour$")" -eq 12 ]; }

# fleet_on_board: succeeds if the defence board shows the player's twelve ships.
fleet_on_board() { [ "$(count_cells defence "$ship_colour")" -eq 12 ]; }

# find_main [SECONDS]: waits for the main window; sets main, left, top and menu.
find_main() {
    main=$(wait_for '^Marolda$' "${1:-30}") || return 1
    local geometry
    geometry=$(xwininfo -id "$main")
    left=$(awk '/Absolute upper-left X/ {print $4}' <<< "$geometry")
    top=$(awk '/Absolute upper-left Y/ {print $4}' <<< "$geometry")
    menu=$(($(awk '/Height:/ {print $2}' <<< "$geometry") - 530))
}

# start_game: start-up to first shot (random fleet, OK, Comincia); sets main, left, top, menu.
start_game() {
    find_main 30 || return 1
    press_for "$main" F1 "open the placement window" window_found '^Imposta le navi$' ||
        return 1
    local placement="$found"
    # Access keys click their buttons a moment later, once the buttons have shown themselves
    # pressed: OK is enabled only once "Casuale" has put the twelve ships on the grid.
    press_for "$placement" alt+a "draw a random fleet" fleet_drawn "$placement" || return 1
    press_for "$placement" alt+o "close the placement window" window_gone '^Imposta le navi$' ||
        return 1
    # "Comincia" shows the player's ships on the defence board.
    press_for "$main" F2 "put the player's fleet on the defence board" fleet_on_board
}

# fire CELL [SECONDS]: clicks an attack cell, waits for the shot and the answer or the end.
fire() {
    local before
    if shot_at attack "$1"; then
        echo "attack cell $1 has been fired at already" >&2
        return 1
    fi
    shots_before || return 1
    # Without --delay 0, xdotool sleeps 100 ms after the click for nothing.
    xdotool mousemove $((left + 64 + 32 * $(column "$1") + 16)) \
        $((top + menu + 128 + 32 * $(row "$1") + 16)) click --delay 0 1
    if ! wait_until "${2:-30}" "the shot at attack cell $1" fired_at "$1" ||
        ! wait_answer "$before" "${2:-30}"; then
        what_went_wrong "the shot at attack cell $1 and its answer"
        return 1
    fi
}
