#!/usr/bin/env bash
# Installs the program into a temporary prefix and plays one whole game with it under Xvfb,
# traced by strace; fails if the program opens any file for writing or connects any socket
# other than the X display's. Usage: bash scripts/check-no-files.sh   (after a build in build/)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/setup.sh default xvfb xauth x11-utils xdotool strace > /dev/null

work=$(mktemp -d)
cmake --install build --prefix "$work/prefix" > /dev/null
display_number=$((90 + RANDOM % 9))
display=":$display_number"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp > "$work/xvfb.log" 2>&1 &
xvfb=$!
cleanup() {
    kill "$xvfb" 2> /dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY="$display"
# What a desktop session provides; without it Qt makes a runtime directory of its own.
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
for _ in $(seq 50); do
    if xdpyinfo > /dev/null 2>&1; then
        break
    fi
    sleep 0.1
done

strace -f -qq -e trace=%file,%network -o "$work/trace" "$work/prefix/bin/marolda" &
program=$!

window() { xdotool search --onlyvisible --name "$1" 2> /dev/null | head -n 1 || true; }
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

main=$(wait_for '^Marolda$')
xdotool windowfocus --sync "$main" key F1
placement=$(wait_for '^Imposta le navi$')
xdotool windowfocus --sync "$placement" key alt+a
sleep 0.3
xdotool key alt+o
sleep 0.3
xdotool windowfocus --sync "$main" key F2
sleep 0.3
geometry=$(xwininfo -id "$main")
left=$(awk '/Absolute upper-left X/ {print $4}' <<< "$geometry")
top=$(awk '/Absolute upper-left Y/ {print $4}' <<< "$geometry")
menu=$(($(awk '/Height:/ {print $2}' <<< "$geometry") - 530))

# Fire at every cell in turn, leaving the computer its 1.5 s, until one side has won.
ended=""
for pass in 1 2; do
    for cell in $(seq 0 99); do
        xdotool mousemove $((left + 64 + cell % 10 * 32 + 16)) \
            $((top + menu + 128 + cell / 10 * 32 + 16)) click 1
        sleep 1.6
        ended=$(window '^Hai (vinto|perso)!$')
        if [ -n "$ended" ]; then
            break 2
        fi
    done
done
if [ -z "$ended" ]; then
    echo "the game did not end" >&2
    exit 1
fi
echo "game over: $(xdotool getwindowname "$ended")"
xdotool windowfocus --sync "$ended" key Escape
wait "$program"

# Opened for writing: any successful open with a writing flag, /dev/null aside.
writes=$(grep -E '(open|openat|creat)\(' "$work/trace" |
    grep -E 'O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND|creat\(' |
    grep -vE '= -1 |"/dev/null"' || true)
# Sockets: only local ones, and the only connection made is the X display's.
network=$(grep -E ' socket\(' "$work/trace" | grep -v 'AF_UNIX' || true)
connections=$(grep -E ' connect\(' "$work/trace" | grep -E '\) = 0' |
    grep -v "X11-unix/X$display_number\"" || true)
listening=$(grep -E ' (bind|listen)\(' "$work/trace" | grep -v '= -1 ' || true)
status=0
for finding in "$writes" "$network" "$connections" "$listening"; do
    if [ -n "$finding" ]; then
        echo "$finding"
        status=1
    fi
done
if [ "$status" -eq 0 ]; then
    echo "no file opened for writing, no socket connected but the display's" \
        "($(wc -l < "$work/trace") traced calls)"
fi
exit "$status"
