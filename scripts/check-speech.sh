#!/usr/bin/env bash
# Plays one whole game with the keyboard alone under the screen reader Orca, as a player who
# cannot see the screen would, and checks what Orca said: the start of the game, every shot of
# the player and every answer of the computer with its cell and result, and the end-of-game
# dialog with its text and its buttons. Orca runs under Xvfb with a window manager, a session
# bus and an accessibility bus of its own, and writes everything it speaks to a debug file.
# Usage: bash scripts/check-speech.sh [SPEECH.txt]   (after a build in build/; the speech goes
# to SPEECH.txt if given)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/xgame.sh
bash scripts/setup.sh default xvfb xauth x11-utils xdotool imagemagick dbus dbus-x11 \
    at-spi2-core openbox orca > /dev/null
if pgrep -u "$(id -u)" -x orca > /dev/null; then
    echo "Orca is already running for this user; it cannot run twice" >&2
    exit 1
fi

work=$(mktemp -d)
cleanup() {
    kill "${program:-}" "${orca:-}" "${orca_session:-}" "${openbox:-}" "${bus:-}" "${xvfb:-}" \
        2> /dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
start_xvfb "$work"
# A private home, session bus and accessibility bus: nothing of the caller's desktop is used.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.data"
export LANG=C.UTF-8 LANGUAGE=
mkdir -p "$HOME"
dbus-daemon --session --nofork --print-address=4 --address="unix:path=$work/session-bus" \
    4> "$work/bus-address" > "$work/bus.log" 2>&1 &
bus=$!
wait_until 30 "the session bus" test -s "$work/bus-address"
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/session-bus"
openbox > "$work/openbox.log" 2>&1 &
openbox=$!
# Orca writes what it speaks to its debug file, which it buffers unless the file is a terminal:
# given one, by script, each line lands at once, and the check can wait for what it hears.
script -qfec 'orca --debug-file=/dev/tty' "$work/orca.debug" > /dev/null 2>&1 &
orca_session=$!
# spoken: prints what Orca has said so far, an utterance a line.
spoken() { sed -nE "s/.*SPEECH OUTPUT: '(.*)' ?\{'established.*/\1/p" "$work/orca.debug"; }
# heard REGEX [TIMES]: succeeds once Orca has said something that matches, TIMES times (1).
heard() { (($(spoken | grep -cE "$1") >= ${2:-1})); }
wait_until 60 "Orca to start" heard '^Screen reader on\.$'
orca=$(pgrep -u "$(id -u)" -x orca)

./build/marolda &
program=$!
main=$(wait_for '^Marolda$' 60)
geometry=$(xwininfo -id "$main")
menu=$(($(awk '/Height:/ {print $2}' <<< "$geometry") - 530))
# key KEY...: types keys into the window that has the focus, one at a time.
key() { xdotool key --clearmodifiers --delay 150 "$@"; }

# The grid cleared, a ship placed on L10 by the keyboard, then a fleet at random, and OK.
key F1
placement=$(wait_for '^Imposta le navi$')
key Tab space shift+Tab shift+Tab space
wait_until 30 "Orca to tell the ship on L10" heard '^notification L10: nave\. Ti restano 11'
key Tab space
wait_until 30 "a random fleet" fleet_drawn "$placement"
key Tab Tab Tab Return
wait_gone '^Imposta le navi$'
key F2
wait_until 30 "the player's fleet on the defence board" fleet_on_board
wait_until 30 "Orca to tell the start" heard '^notification Adesso è il tuo turno\.$'

# Space, arrow, Space: the attack grid row by row, until one side has won.
fired=()
for cell in $(seq 100); do
    if ((cell == 1)); then
        key Right
    elif ((cell % 10 == 1)); then
        key Down Right
    else
        key Right
    fi
    name="$(printf '%s' ABCDEFGHIL | cut -c$(((cell - 1) % 10 + 1)))$(((cell - 1) / 10 + 1))"
    before=$(shots_on defence)
    key space
    fired+=("$name")
    wait_until 30 "the shot at attack cell $cell" shot_at attack "$cell"
    wait_answer "$before"
    if [ -n "$(game_over)" ]; then
        break
    fi
    wait_until 30 "Orca to tell the answer to $name" heard "^notification Difesa .* turno\.$" \
        "${#fired[@]}"
done
wait_for '^Hai (vinto|perso)!$' > /dev/null
# Both buttons of the dialog, then Esc, which presses No and ends the program.
wait_until 30 "Orca to read the dialog" heard '^Sì push button\.$'
key Tab
wait_until 30 "Orca to read the other button" heard '^No push button\.$'
key Escape
wait "$program" || true
program=
kill -TERM "$orca"
wait "$orca_session" || true
orca=

speech="$work/speech.txt"
spoken > "$speech"
if [ $# -gt 0 ]; then
    cp "$speech" "$1"
fi
problems=0
said() {
    if ! grep -qE "$1" "$speech"; then
        echo "Orca did not say: $2" >&2
        problems=$((problems + 1))
    fi
}
said "^notification Adesso è il tuo turno\.$" "the start of the game"
for cell in "${fired[@]}"; do
    said "^notification Attacco $cell: (Colpito!|Acqua \.\.\.)( Aspetta\. Ora tocca a me\.)?$" \
        "the player's shot at $cell with its result"
done
answers=$(grep -cE '^notification Difesa [A-IL]([1-9]|10): (Colpito!|Acqua\.\.\.)' "$speech" || true)
answered_cells=$(grep -oE '^notification Difesa [A-IL]([1-9]|10):' "$speech" | sort -u | wc -l)
expected=${#fired[@]}
if grep -q "^Hai vinto! dialog" "$speech"; then
    expected=$((expected - 1)) # the winning shot has no answer
fi
if [ "$answers" -ne "$expected" ] || [ "$answered_cells" -ne "$expected" ]; then
    echo "Orca told $answers answers of the computer at $answered_cells cells, not $expected" >&2
    problems=$((problems + 1))
fi
said "^Hai (vinto! dialog Complimenti, hai vinto!|perso! dialog Peccato, hai perso!) Vuoi fare un'altra partita\?$" \
    "the end-of-game dialog with its text"
said "^Sì push button\.$" "the button Sì"
said "^No push button\.$" "the button No"
if [ "$problems" -gt 0 ]; then
    echo "--- what Orca said:" >&2
    cat "$speech" >&2
    exit 1
fi
echo "Orca told the start, ${#fired[@]} shots, $answers answers and the end of the game" \
    "($(wc -l < "$speech") utterances)"
