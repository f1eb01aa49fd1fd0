#!/usr/bin/env bash
# Tries the README's two commands on a fresh Debian system of the release SUITE, as a new user
# of that release would: a minimal system made with debootstrap in a temporary folder, a user
# with sudo, and a clean clone of this checkout's HEAD in the user's home. There, play.sh must
# build the game and show it (a screenshot of it is kept), then test.sh must build everything
# and pass every test. Prints one line: the suite, the result, the time, and the versions of Qt,
# GCC and Orca. Everything it made goes when it ends, mounts included, even when interrupted;
# the logs and the screenshot are kept in OUTPUT (default: build-debian/SUITE).
# Usage: sudo bash scripts/check-debian.sh SUITE [OUTPUT]   (SUITE: bookworm, trixie, testing...)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/xgame.sh
suite="${1:?usage: check-debian.sh SUITE [OUTPUT]}"
output=$(realpath -m "${2:-build-debian/$suite}")
mirror=http://deb.debian.org/debian
if [ "$(id -u)" -ne 0 ]; then
    echo "check-debian.sh makes a system with debootstrap and enters it: run it as root" >&2
    exit 1
fi
if [[ ! $suite =~ ^[a-z]+$ ]]; then
    echo "not the name of a Debian release: $suite" >&2
    exit 1
fi
# OUTPUT is emptied first: only a folder that is new, empty, or one this check filled before.
if [ -n "$(ls -A "$output" 2> /dev/null)" ] && [ ! -e "$output/.check-debian" ]; then
    echo "$output holds files that this check did not write: name another folder" >&2
    exit 1
fi
if ! command -v debootstrap > /dev/null; then
    apt-get update -q && DEBIAN_FRONTEND=noninteractive apt-get install -y -q debootstrap
fi
rm -rf "$output"
mkdir -p "$output"
touch "$output/.check-debian"
started=$SECONDS

root=$(realpath "$(mktemp -d /var/tmp/marolda-debian.XXXXXX)")
chmod 755 "$root" # the root of the system, which its user must enter
mounts=(proc sys dev dev/pts)
# stop_inside: ends every process that runs in the system.
stop_inside() {
    local pid
    for pid in /proc/[0-9]*; do
        if [ "$(readlink "$pid/root" 2> /dev/null)" = "$root" ]; then
            kill -9 "${pid#/proc/}" 2> /dev/null || true
        fi
    done
}
cleanup() {
    local status=$? mount
    trap - EXIT INT TERM
    # Whatever still runs in the system goes first, then the mounts, last mounted first.
    stop_inside
    for ((mount = ${#mounts[@]} - 1; mount >= 0; mount--)); do
        if mountpoint -q "$root/${mounts[mount]}"; then
            umount "$root/${mounts[mount]}" || umount -l "$root/${mounts[mount]}" || true
        fi
    done
    # Never across a mount that is still there: /dev, /proc and /sys are the host's own.
    if findmnt -rn -o TARGET | grep -q "^$root/"; then
        echo "left $root in place: something is still mounted in it" >&2
    else
        rm -rf --one-file-system "$root"
    fi
    exit "$status"
}
trap cleanup EXIT
# The long steps run in the background and are waited for, so that a signal ends the wait, and
# the check, at once: bash runs a trap only once the command in the foreground has ended.
trap 'exit 130' INT
trap 'exit 143' TERM

# debootstrap knows a release by its script; a release newer than it knows is made as sid is.
script=()
if [ ! -e "/usr/share/debootstrap/scripts/$suite" ]; then
    script=(/usr/share/debootstrap/scripts/sid)
fi
echo "making a fresh Debian $suite in $root"
debootstrap --variant=minbase --include=ca-certificates,git,sudo "$suite" "$root" "$mirror" \
    "${script[@]}" > "$output/debootstrap.log" 2>&1 &
wait $! || { tail -n 20 "$output/debootstrap.log" >&2; exit 1; }
case "$suite" in
testing | forky | sid | unstable)
    # The testing suite on a mirror may carry a Release file past its Valid-Until date, between
    # two updates of the archive; apt refuses it unless told. Only there: a stable release's
    # Release file is checked as usual.
    echo 'Acquire::Check-Valid-Until "false";' > "$root/etc/apt/apt.conf.d/99marolda-testing"
    ;;
esac
for mount in "${mounts[@]}"; do
    mount --bind "/$mount" "$root/$mount"
done
cp /etc/resolv.conf "$root/etc/resolv.conf"
echo "127.0.1.1 $(hostname)" >> "$root/etc/hosts" # sudo looks the host up

# A user of the release, with sudo, and the checkout's HEAD cloned into the user's home.
chroot "$root" useradd --create-home --shell /bin/bash player
echo 'player ALL=(ALL) NOPASSWD: ALL' > "$root/etc/sudoers.d/player"
git clone --quiet --no-hardlinks "$PWD" "$root/home/player/marolda"
chroot "$root" chown -R player:player /home/player/marolda
# as_player COMMAND: runs COMMAND in the clone, as the user, with a login's environment.
as_player() {
    chroot "$root" /usr/bin/sudo -u player -H -- bash -lc "cd ~/marolda && LANG=C.UTF-8 $1"
}

# The player's command: it installs what the game needs, builds it and starts it. Its window is
# looked for on an X display that the check brings, with the tools it looks with.
chroot "$root" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q \
    --no-install-recommends xvfb xauth x11-utils xdotool imagemagick > "$output/x.log" 2>&1 &
wait $! || { tail -n 20 "$output/x.log" >&2; exit 1; }
# The server writes the number of a free display once it accepts connections: the system shares
# the host's abstract socket names, so a fixed number could meet the host's own server.
as_player 'Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3> /tmp/display' \
    > "$output/xvfb.log" 2>&1 &
wait_until 30 "Xvfb to start (see $output/xvfb.log)" test -s "$root/tmp/display"
display=":$(< "$root/tmp/display")"
as_player "DISPLAY=$display bash scripts/play.sh" > "$output/play.log" 2>&1 &
player=$!
game_shown() {
    if ! kill -0 "$player" 2> /dev/null; then
        tail -n 20 "$output/play.log" >&2
        echo "play.sh ended before the game showed its main window" >&2
        exit 1
    fi
    as_player "DISPLAY=$display xdotool search --onlyvisible --name '^Marolda\$'" > /dev/null 2>&1
}
# The set-up and the build come first: minutes, on a fresh system.
wait_until 1800 "play.sh to show the game's main window (see $output/play.log)" game_shown
# The screenshot is the screen once two grabs in a row agree: the window has painted.
settled() {
    as_player "DISPLAY=$display import -window root /tmp/now.ppm &&
        cmp -s /tmp/now.ppm /tmp/shot.ppm; s=\$?; mv /tmp/now.ppm /tmp/shot.ppm; exit \$s" \
        > /dev/null 2>&1
}
wait_until 30 "the game's window to stop changing" settled
as_player 'convert /tmp/shot.ppm /tmp/play.png'
cp "$root/tmp/play.png" "$output/play.png"
stop_inside

# The developer's command: every test, the package, the checks of files, speech and Wayland.
as_player 'bash scripts/test.sh' > "$output/test.log" 2>&1 &
if ! wait $!; then
    tail -n 40 "$output/test.log" >&2
    cp "$root/home/player/marolda/build/orca-debug.txt" "$output/" 2> /dev/null || true
    echo "$suite: test.sh failed after $(((SECONDS - started) / 60)) min (log: $output/test.log)"
    exit 1
fi
# shellcheck disable=SC2016 # the format is dpkg-query's, not the shell's
version() { chroot "$root" dpkg-query -W -f='${Version}' "$1" | sed 's/[-+~].*//'; }
elapsed=$((SECONDS - started))
echo "$suite: play.sh and test.sh green in $((elapsed / 60)) min $((elapsed % 60)) s" \
    "(Qt $(version qt6-base-dev), GCC $(chroot "$root" g++ -dumpfullversion)," \
    "Orca $(version orca)); screenshot $output/play.png"
