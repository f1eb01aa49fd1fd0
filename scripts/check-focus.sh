#!/usr/bin/env bash
# Plays the game's key steps under a real window manager, as a player without a mouse would,
# and reads from the X server which window has the keyboard focus after each: the main window
# once the splash goes, each window that F1, F4, F5 and Ctrl+Q opens, the main window again
# when such a window closes, the end-of-game window when it opens by itself at the end of a
# whole game played by the keyboard, and the fresh main window after "Sì". Keys go to whatever
# window the manager has focused, never to a chosen one: a window without the focus gets none.
# Usage: bash scripts/check-focus.sh WM [GAMES]   (after a build in build/)
#   WM: openbox, mutter, kwin, xfwm4, marco or metacity; GAMES: whole games, each ended by
#   "Sì" (1 by default). With SHOTS=FOLDER, the placement window's picture goes there, framed
#   by the window manager. Needs Xvfb, xdotool, x11-utils, imagemagick, dbus and the WM.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/xgame.sh

wm="${1:-}"
games="${2:-1}"
case "$wm" in
openbox) command=(openbox) ;;
mutter) command=(mutter --x11 --replace --sm-disable) ;;
kwin) command=(kwin_x11 --replace) ;;
xfwm4) command=(xfwm4 --replace --compositor=off) ;;
marco) command=(marco --replace --sm-disable --no-composite) ;;
metacity) command=(metacity --replace) ;;
*)
    echo "usage: $0 openbox|mutter|kwin|xfwm4|marco|metacity [GAMES]" >&2
    exit 2
    ;;
esac
if ! [[ "$games" =~ ^[1-9][0-9]*$ ]]; then
    echo "GAMES must be a whole number, 1 or more" >&2
    exit 2
fi
for tool in Xvfb xdotool xprop xwininfo xmodmap import dbus-daemon "${command[0]}"; do
    if ! command -v "$tool" > /dev/null; then
        echo "$tool is missing (Debian: xvfb xdotool x11-utils x11-xserver-utils imagemagick" \
            "dbus and the window manager's package)" >&2
        exit 1
    fi
done

work=$(mktemp -d)
started=$SECONDS
cleanup() {
    local status=$?
    if [ "$status" -ne 0 ]; then
        echo "--- what $wm printed (last 20 lines):" >&2
        tail -n 20 "$work/wm.log" >&2 2> /dev/null || true
        echo "--- what the program printed:" >&2
        cat "$work/marolda.log" >&2 2> /dev/null || true
        mkdir -p "build/focus-$wm"
        cp "$work"/*.log "build/focus-$wm/" 2> /dev/null || true
        echo "--- all they printed: build/focus-$wm/" >&2
    fi
    local pid pids=()
    for pid in "${program:-}" "${manager:-}" "${bus:-}" "${xvfb:-}"; do
        if [ -n "$pid" ]; then
            pids+=("$pid")
        fi
    done
    if ((${#pids[@]})); then
        kill "${pids[@]}" 2> /dev/null || true
        # Until they have gone: an X server still on its way out would remove the socket of
        # the next run's server, if that one was given the same display.
        wait "${pids[@]}" 2> /dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
start_xvfb "$work"
# A home and a session bus of the check's own, which some of the managers want for their
# settings; nothing of the caller's desktop is used. The program itself sees no bus, as in
# xgame.sh, so that no accessibility bridge takes part.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.data"
export XDG_CACHE_HOME="$work/home/.cache"
mkdir -p "$HOME"
dbus-daemon --session --nofork --address="unix:path=$work/session-bus" --print-address=3 \
    3> "$work/bus-address" > "$work/bus.log" 2>&1 &
bus=$!
wait_until 30 "the session bus" test -s "$work/bus-address"
DBUS_SESSION_BUS_ADDRESS="unix:path=$work/session-bus" "${command[@]}" > "$work/wm.log" 2>&1 &
manager=$!

# managing: succeeds once a window manager has announced itself on the root window (EWMH).
managing() {
    local check
    kill -0 "$manager" 2> /dev/null || return 1
    check=$(xprop -root -notype _NET_SUPPORTING_WM_CHECK 2> /dev/null |
        sed -n 's/.*window id # \(0x[0-9a-f]*\).*/\1/p')
    [ -n "$check" ] && xprop -id "$check" -notype _NET_WM_NAME 2> /dev/null | grep -q '"'
}
wait_until 30 "$wm to manage the screen (see its output below)" managing
name=$(xprop -id "$(xprop -root -notype _NET_SUPPORTING_WM_CHECK |
    sed -n 's/.*# \(0x[0-9a-f]*\).*/\1/p')" -notype _NET_WM_NAME | cut -d'"' -f2)
echo "$wm: the window manager \"$name\" manages display $DISPLAY"
# The pointer in a corner where no window comes: where the focus follows the pointer, or the
# focus is the pointer's root, a key would otherwise reach the window under it.
xdotool mousemove 1270 1000

DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-session-bus" ./build/marolda \
    > "$work/marolda.log" 2>&1 &
program=$!

root=$(($(xwininfo -root | awk '/Window id:/ {print $4}')))
# holder: prints the window that has the keyboard focus, as "ID CAPTION": the X focus walked up
# to the first window with a caption, the client window that the manager framed. Where no
# window with a caption holds the focus, the ID is the focused window's and the caption empty.
holder() {
    local focus window name parent
    focus=$(xdotool getwindowfocus -f 2> /dev/null) || focus=0
    window=$focus
    while ((window > 1)); do
        name=$(xdotool getwindowname "$window" 2> /dev/null) || name=""
        if [ -n "$name" ]; then
            echo "$window $name"
            return
        fi
        parent=$(xwininfo -children -id "$window" 2> /dev/null |
            awk '/Parent window id:/ {print $4}')
        window=$((parent))
        if [ "$window" -eq "$root" ]; then
            break
        fi
    done
    echo "$focus "
}

# active: prints the manager's active window (_NET_ACTIVE_WINDOW), in decimal, 0 for none.
active() {
    local id
    id=$(xprop -root -notype _NET_ACTIVE_WINDOW 2> /dev/null |
        sed -n 's/.*window id # \(0x[0-9a-f]*\).*/\1/p')
    echo $((${id:-0}))
}

# focused_on REGEX: succeeds if the window with the focus has a caption that matches, and the
# manager names the same window active; sets held to that window.
focused_on() {
    local now
    now=$(holder)
    [[ "${now#* }" =~ $1 ]] && [ "$(active)" -eq "${now%% *}" ] && held=${now%% *}
}

# describe: what has the focus, in words, for the report and for a failure.
describe() {
    local now caption window
    now=$(holder)
    caption=${now#* }
    window=$(printf '0x%x' "${now%% *}")
    if [ -n "$caption" ]; then
        echo -n "\"$caption\" ($window)"
    else
        echo -n "no window of the game: the X focus is on $window, which has no caption"
    fi
    if [ "$(active)" -ne "${now%% *}" ]; then
        echo -n "; the manager's active window is $(printf '0x%x' "$(active)")" \
            "\"$(xdotool getwindowname "$(active)" 2> /dev/null || true)\""
    fi
    echo
}

# expect_focus STEP REGEX: waits for the focus on a window whose caption matches, and reports.
expect_focus() {
    if ! wait_until "$key_limit" "the focus on \"$2\" after $1" focused_on "$2" 2> /dev/null; then
        echo "FAIL $wm: after $1 the focus is not on \"$2\" within $key_limit s but on" \
            "$(describe)" >&2
        return 1
    fi
    printf '  %-40s focus on %s\n' "$1" "$(describe)"
}

# send KEYS WHAT COMMAND...: types KEYS (a list of xdotool's names) into whatever window has
# the focus, then waits for COMMAND; fails saying what did not happen and what had the focus.
send() {
    local keys="$1" what="$2" list codes
    shift 2
    read -ra list <<< "$keys"
    read_keymap # here, not in the subshell below, which would forget it
    codes=$(keycodes "${list[@]}")
    # shellcheck disable=SC2086 # one word a key
    xdotool key $codes
    wait_until "$key_limit" "$what" "$@" 2> /dev/null && return 0
    echo "FAIL $wm: $keys did not $what within $key_limit s; the focus is on $(describe)" >&2
    return 1
}

# shot NAME WINDOW: with SHOTS set to a folder, saves the screen round WINDOW and its frame there
# as NAME-WM.png, for the README.
shot() {
    local frame="$2" parent geometry x y width height margin=16
    if [ -z "${SHOTS:-}" ]; then
        return
    fi
    # The frame is the window's ancestor that is a child of the root.
    while parent=$(xwininfo -children -id "$frame" | awk '/Parent window id:/ {print $4}') &&
        [ "$((parent))" -ne "$root" ]; do
        frame=$parent
    done
    geometry=$(xwininfo -id "$frame")
    x=$(awk '/Absolute upper-left X/ {print $4}' <<< "$geometry")
    y=$(awk '/Absolute upper-left Y/ {print $4}' <<< "$geometry")
    width=$(awk '/Width:/ {print $2}' <<< "$geometry")
    height=$(awk '/Height:/ {print $2}' <<< "$geometry")
    import -window root \
        -crop "$((width + 2 * margin))x$((height + 2 * margin))+$((x - margin))+$((y - margin))" \
        +repage "$SHOTS/$1-$wm.png"
}

# The main window that is up and not the one given, if any; sets found.
other_main() { window_found '^Marolda$' && [ "$found" != "$1" ]; }
gone() { ! kill -0 "$program" 2> /dev/null; }

wait_for '^Caricamento\.\.\.$' 60 > /dev/null
expect_focus "start-up (the splash)" '^Caricamento\.\.\.$'
find_main 30
wait_gone '^Caricamento\.\.\.$'
expect_focus "the splash's handover" '^Marolda$'

for game in $(seq "$games"); do
    echo " game $game of $games"
    send F1 "open the placement window" window_found '^Imposta le navi$'
    expect_focus "F1" '^Imposta le navi$'
    placement=$found
    send alt+a "draw a random fleet" fleet_drawn "$placement"
    if [ "$game" -eq 1 ]; then
        shot placement "$placement"
    fi
    send alt+o "close the placement window" window_gone '^Imposta le navi$'
    expect_focus "Alt+O (OK) in the placement window" '^Marolda$'
    if [ "$game" -eq 1 ]; then
        send F4 "open the instructions" window_found '^Istruzioni$'
        expect_focus "F4" '^Istruzioni$'
        send Return "close the instructions" window_gone '^Istruzioni$'
        expect_focus "Enter (OK) in the instructions" '^Marolda$'
        send F5 "open the information window" window_found '^Informazioni$'
        expect_focus "F5" '^Informazioni$'
        send Escape "close the information window" window_gone '^Informazioni$'
        expect_focus "Esc in the information window" '^Marolda$'
    fi
    send F2 "put the player's fleet on the defence board" fleet_on_board
    expect_focus "F2" '^Marolda$'

    # Space, arrow, Space: the attack grid row by row from the focus sink, as in
    # check-speech.sh, until one side has won.
    for cell in $(seq 100); do
        if ((cell > 1 && cell % 10 == 1)); then
            keys="Down Right space" # from L of the row above, by way of L of this row
        else
            keys="Right space"
        fi
        before=$(shots_on defence)
        send "$keys" "fire at attack cell $cell" fired_at "$cell"
        wait_answer "$before"
        if [ -n "$(game_over)" ]; then
            break
        fi
    done
    ending=$(wait_for '^Hai (vinto|perso)!$')
    caption=$(xdotool getwindowname "$ending")
    if [ "$caption" = "Hai vinto!" ]; then
        by="the player's winning shot, at cell $cell"
    else
        by="the computer's winning shot, after cell $cell"
    fi
    expect_focus "$by" '^Hai (vinto|perso)!$'
    old=$main
    send Return "bring a fresh main window" other_main "$old"
    wait_gone '^Hai (vinto|perso)!$'
    expect_focus "Enter (Sì) in \"$caption\"" '^Marolda$'
    if [ "$held" != "$found" ]; then
        echo "FAIL $wm: the focus is on a main window that is not the fresh one" >&2
        exit 1
    fi
    find_main
done

send ctrl+q "open the goodbye window" window_found '^Arrivederci$'
expect_focus "Ctrl+Q" '^Arrivederci$'
send Return "end the program" gone
wait "$program" || true
program=
echo "PASS $wm: $games whole game(s), the focus where it belongs at every step," \
    "in $((SECONDS - started)) s"
