#!/usr/bin/env bash
# Plays one whole game with the keyboard alone under the screen reader Orca, as a player who
# cannot see the screen would, and checks what Orca said: the start of the game, every shot of
# the player and every answer of the computer with its cell and result, and the end-of-game
# dialog with its text and its buttons; and that Orca showed every shot and answer whole on the
# braille display (with Orca 43, in its list of notifications too). Orca runs under Xvfb with a window manager, a session
# bus and an accessibility bus of its own, and writes everything it speaks to a debug file.
# A screen reader that the user already runs is left alone: this check's Orca is found as the
# child of the check's own script process, and sees no other Orca (see below). Copies of the check may run
# at once, each with its own display, buses and Orca.
# Usage: bash scripts/check-speech.sh [SPEECH.txt]   (after a build in build/; what Orca said is
# kept in SPEECH.txt if given)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/xgame.sh
bash scripts/setup.sh default xvfb x11-utils x11-xserver-utils xdotool imagemagick dbus at-spi2-core openbox \
    orca > /dev/null

work=$(mktemp -d)
cleanup() {
    if [ $? -ne 0 ] && [ -s "$work/orca.debug" ]; then
        echo "--- the last of what Orca said (all it logged: build/orca-debug.txt):" >&2
        spoken | tail -n 30 >&2
        cp "$work/orca.debug" build/orca-debug.txt
    fi
    kill "${program:-}" "${orca:-}" "${orca_session:-}" "${openbox:-}" "${bus:-}" "${xvfb:-}" \
        2> /dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
start_xvfb "$work"
# A home, a session bus and (through it) an accessibility bus of the check's own: nothing of
# the caller's desktop is used.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.data"
export LANG=C.UTF-8 LANGUAGE=
mkdir -p "$HOME"
dbus-daemon --session --nofork --address="unix:path=$work/session-bus" --print-address=3 \
    3> "$work/bus-address" > "$work/bus.log" 2>&1 &
bus=$!
wait_until 30 "the session bus" test -s "$work/bus-address"
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/session-bus"
openbox > "$work/openbox.log" 2>&1 &
openbox=$!
# Orca refuses to start beside another Orca of the same user, which it finds with pgrep -u
# UID -x orca. script runs it in a process session of its own, on a terminal of its own: given
# a pgrep that looks in that session alone (-s 0), it finds none of the user's, and never reads,
# stops or disturbs one.
mkdir "$work/bin"
printf '#!/bin/sh\nexec %s -s 0 "$@"\n' "$(command -v pgrep)" > "$work/bin/pgrep"
chmod +x "$work/bin/pgrep"
# Orca buffers its debug file unless the file is a terminal: given one by script, it writes
# each line at once, so that the check can wait for what Orca has said.
PATH="$work/bin:$PATH" script -qfec 'exec orca --debug-file=/dev/tty' "$work/orca.debug" \
    > /dev/null 2>&1 &
orca_session=$!
# spoken: prints what Orca has said so far, an utterance a line, in a form that Orca 43 to 51
# all give: an announcement without the role that some versions say before it (on the same
# line or on one of its own), a button as "button", and no full stop of Orca's at the end.
spoken() {
    if [ -e "$work/orca.debug" ]; then
        sed -nE "s/.*SPEECH OUTPUT: '(.*)' ?\{'established.*/\1/p" "$work/orca.debug" |
            sed -E '/^notification$/d; s/^notification //; s/ push button\.$/ button./
                s/([^.])\.$/\1/'
    fi
}
# heard REGEX [TIMES]: succeeds once Orca has said what matches, TIMES times (once).
heard() { (($(spoken | grep -cE "$1") >= ${2:-1})); }
# orca_started: succeeds once Orca speaks; fails the check at once if it has ended.
orca_started() {
    if ! kill -0 "$orca_session" 2> /dev/null; then
        echo "Orca ended before it spoke; the last of what it wrote:" >&2
        tail -n 20 "$work/orca.debug" >&2
        exit 1
    fi
    heard '^Screen reader on$'
}
wait_until 60 "Orca to start" orca_started
orca=$(pgrep -P "$orca_session" -x orca)

./build/marolda > "$work/marolda.log" 2>&1 &
program=$!
find_main 60
# say WINDOW KEYS WHAT REGEX [TIMES]: presses the keys (a list) in the window, then waits for
# Orca to say what matches, as a player who listens before going on would. Orca takes a few
# seconds more than the screen under load.
say() {
    key_limit=15 press_for "$1" "$2" "make Orca say $3" heard "$4" "${5:-1}"
}
# The placement window by the keyboard: the grid cleared, a ship put on L10 (its cell comes
# after the buttons), a fleet at random, and OK.
press_for "$main" F1 "open the placement window" window_found '^Imposta le navi$'
placement="$found"
wait_until 30 "Orca to say the placement window's first button" heard '^Casuale button$'
say "$placement" "Tab space" "the cleared counter" '^Ti restano 12 navi da posizionare$'
say "$placement" "shift+Tab shift+Tab" "the cell L10" '^L10 button$'
say "$placement" space "the ship on L10" '^L10: nave\. Ti restano 11 navi da posizionare$'
say "$placement" Tab "the first button again" '^Casuale button$' 2
say "$placement" space "the random fleet" '^Hai posizionato le tue navi$'
wait_until 30 "a random fleet on screen" fleet_drawn "$placement"
say "$placement" "Tab Tab Tab Return" "that the fleet is ready" \
    '^Per cominciare il gioco premi F2$'
wait_gone '^Imposta le navi$'
press_for "$main" F2 "put the player's fleet on the defence board" fleet_on_board
wait_until 30 "Orca to say that the game begins" heard '^Adesso è il tuo turno$'

# Space, arrow, Space: the attack grid row by row from the focus sink, until one side has won.
fired=()
for cell in $(seq 100); do
    if ((cell > 1 && cell % 10 == 1)); then
        press "$main" Down Right # from L of the row above, by way of L of this row
    else
        press "$main" Right
    fi
    fired+=("$(cut -c$(((cell - 1) % 10 + 1)) <<< ABCDEFGHIL)$(((cell - 1) / 10 + 1))")
    shots_before
    press_for "$main" space "fire at attack cell $cell" fired_at "$cell"
    wait_answer "$before"
    if [ -n "$(game_over)" ]; then
        break
    fi
    wait_until 30 "Orca to tell the answer to ${fired[-1]}" heard \
        '^Difesa .* turno$' "${#fired[@]}"
done
ending=$(wait_for '^Hai (vinto|perso)!$')
# Both buttons of the dialog, then Esc, which presses No and ends the program.
wait_until 30 "Orca to read the dialog" heard '^Sì button$'
say "$ending" Tab "the other button" '^No button$'
press_for "$ending" Escape "close the end-of-game window" window_gone '^Hai (vinto|perso)!$'
wait_until 30 "the program to end" test ! -e "/proc/$program"
program=
# Orca stops on TERM, but not always: it may hang on its way out. It is given 10 s.
kill -TERM "$orca"
if ! wait_until 10 "Orca to stop" test ! -e "/proc/$orca" 2> /dev/null; then
    kill -KILL "$orca" 2> /dev/null || true
fi
wait "$orca_session" || true
orca=

speech="$work/speech.txt"
spoken > "$speech"
if [ $# -gt 0 ]; then
    cp "$speech" "$1"
fi
problems=0
check() {
    if ! heard "$1"; then
        echo "Orca did not say: $2" >&2
        problems=$((problems + 1))
    fi
}
for cell in "${fired[@]}"; do
    # Orca 51 says the player's "Acqua ..." without its blank.
    check "^Attacco $cell: (Colpito!|Acqua ?\.\.\.)( Aspetta\. Ora tocca a me)?$" \
        "the player's shot at $cell with its result"
done
# One answer for every shot but a winning one, each at a cell of its own.
expected=${#fired[@]}
if heard '^Hai vinto! dialog'; then
    expected=$((expected - 1))
fi
answer='^Difesa [A-IL]([1-9]|10): (Colpito!|Acqua\.\.\.)'
answers=$(grep -cE "$answer" "$speech" || true)
cells=$(grep -oE "$answer" "$speech" | cut -d: -f1 | sort -u | wc -l)
if [ "$answers" -ne "$expected" ] || [ "$cells" -ne "$expected" ]; then
    echo "Orca told $answers answers of the computer at $cells cells, not $expected" >&2
    problems=$((problems + 1))
fi
check "^Hai (vinto! dialog Complimenti, hai vinto!|perso! dialog Peccato, hai perso!) Vuoi fare un'altra partita\?$" \
    "the end-of-game dialog with its text"

# Braille, all that a player who can neither see the screen nor hear the speech has: every
# message whole on the display, as Orca logs each line that it puts there.
braille="$work/braille.txt"
sed -nE "s/.*BRAILLE LINE:  '(.*)'\r?$/\1/p" "$work/orca.debug" > "$braille"
for cell in "${fired[@]}"; do
    if ! grep -qE "^Attacco $cell: (Colpito!|Acqua ?\.\.\.)( Aspetta\. Ora tocca a me\.)?$" "$braille"; then
        echo "Orca's braille did not show the player's shot at $cell with its result" >&2
        problems=$((problems + 1))
    fi
done
# An answer at each cell that the computer fired at; the one that wins the game has no turn after
# it, and a line may show again as Orca refreshes the display.
brailled=$(grep -oE '^Difesa [A-IL]([1-9]|10): (Colpito!|Acqua ?\.\.\.)( Adesso è il tuo turno\.?)?$' \
    "$braille" | cut -d: -f1 | sort -u | wc -l)
if [ "$brailled" -ne "$expected" ]; then
    echo "Orca's braille showed answers of the computer at $brailled cells, not $expected" >&2
    problems=$((problems + 1))
fi
# Orca 43 keeps each notification in its list of past notifications as it flashes it: there,
# every message on the display is followed by its entry in the list before anything else shows.
if [[ $(orca --version) =~ ^4[0-3]\. ]]; then
    unlisted=$(awk '/BRAILLE LINE:  .(Attacco|Difesa) / { if (shown) missed++; shown = 1; next }
        /BRAILLE LINE:/ { if (shown) missed++; shown = 0 }
        /saveMessage \(queue length/ { shown = 0 }
        END { print missed + shown }' "$work/orca.debug")
    if [ "$unlisted" -ne 0 ]; then
        echo "$unlisted messages did not reach Orca's list of notifications" >&2
        problems=$((problems + 1))
    fi
fi
if [ "$problems" -gt 0 ]; then
    echo "--- what the program printed:" >&2
    cat "$work/marolda.log" >&2
    echo "--- what Orca said:" >&2
    cat "$speech" >&2
    echo "--- what Orca showed in braille:" >&2
    cat "$braille" >&2
    exit 1
fi
echo "Orca told the start, ${#fired[@]} shots, $answers answers and the end of the game" \
    "($(wc -l < "$speech") utterances), and showed every message in braille"
