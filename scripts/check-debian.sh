#!/usr/bin/env bash
# The README's two commands on a fresh Debian system of the release SUITE (docs/testing.md says
# what each must do there), which gets only what they install: the game shows on an X server of
# the host. Prints a line with the suite, the result, the time and the versions of Qt, GCC and
# Orca. All it made goes however it ends (Ctrl-C, SIGTERM: within seconds; SIGKILL: with its
# namespaces). Logs and screenshot stay in OUTPUT (default: build-debian/SUITE).
# Usage: sudo bash scripts/check-debian.sh SUITE [OUTPUT]   (SUITE: bookworm, trixie, testing...)
set -euo pipefail
if [ "$(id -u)" -ne 0 ]; then
    echo "check-debian.sh makes a system with debootstrap and enters it: run it as root" >&2
    exit 1
fi
# unshare waits for the check, passing it SIGINT and SIGTERM, and kills it if itself is killed:
# every process of the check's namespace then goes, and its mounts with the last of them.
if [ -z "${MAROLDA_NAMESPACE:-}" ]; then
    exec env MAROLDA_NAMESPACE=1 unshare --mount --propagation private --pid --fork \
        --kill-child --mount-proc bash "$0" "$@"
fi
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/lib.sh
suite="${1:?usage: check-debian.sh SUITE [OUTPUT]}"
output=$(realpath -m "${2:-build-debian/$suite}")
[[ $suite =~ ^[a-z]+$ ]] || { echo "not the name of a Debian release: $suite" >&2; exit 1; }
# OUTPUT is emptied first: only a folder that is new, empty, or one this check filled before.
if [ -n "$(ls -A "$output" 2> /dev/null)" ] && [ ! -e "$output/.check-debian" ]; then
    echo "$output holds files that this check did not write: name another folder" >&2
    exit 1
fi
command -v debootstrap > /dev/null ||
    { apt-get update -q && DEBIAN_FRONTEND=noninteractive apt-get install -y -q debootstrap; }
rm -rf "$output"
mkdir -p "$output"
touch "$output/.check-debian"
started=$SECONDS
# The checkout's HEAD, taken first. Run by root, git refuses a checkout of another user
# ("dubious ownership", found out once after minutes of debootstrap), in the clone's
# upload-pack too, unless a global setting names it safe: one of the check's own, here alone.
printf '[safe]\n\tdirectory = *\n' > "$output/gitconfig"
GIT_CONFIG_GLOBAL="$output/gitconfig" git clone --quiet --bare --no-hardlinks "$PWD" \
    "$output/source.git"

root=$(realpath "$(mktemp -d /var/tmp/marolda-debian.XXXXXX)")
chmod 755 "$root" # the root of the system, which its user must enter
# stop_inside: ends every process that runs in the system, until none is left (one may start
# another while they are being ended).
stop_inside() {
    local processes round
    for ((round = 0; round < 20; round++)); do
        processes=$(rooted "$root")
        [ -n "$processes" ] || return 0
        # shellcheck disable=SC2086 # one word a process
        kill -9 $processes 2> /dev/null || true
        sleep 0.1
    done
}
# The check's own stderr, for the cleanup: a signal may come while a command's is redirected.
exec {stderr}>&2
# shellcheck disable=SC2317,SC2329 # called from lib.sh's trap
cleanup() {
    local status=$1 mount began=${EPOCHREALTIME//[!0-9]/}
    exec 2>&"$stderr"
    # The steps and all they started, then whatever still runs in the system (a command run as
    # its user gets a session of its own from sudo), then the mounts, deepest first: ours, and
    # the ones that debootstrap makes while it installs. All is thrown away: nothing is asked to
    # end tidily, which would only take time.
    { signal_steps KILL && wait; } 2> /dev/null # (no word of bash's for each)
    stop_inside
    while read -r mount; do
        umount "$mount" 2> /dev/null || umount -l "$mount" || true
    done < <(findmnt -rn -o TARGET | grep -E "^$root(/|$)" | sort -r)
    # Never across a mount that is still there: /dev, /proc and /sys are the host's own.
    if findmnt -rn -o TARGET | grep -qE "^$root(/|$)"; then
        echo "left $root in place: something is still mounted in it" >&2
    else
        rm -rf --one-file-system "$root"
    fi
    if [ "$status" -ge 128 ]; then
        echo "interrupted: all gone in $(((${EPOCHREALTIME//[!0-9]/} - began) / 1000)) ms" >&2
    fi
}
on_exit
# The system lives in memory where there is room for it (it grows to about 4 GiB): removing it
# is then one umount, done within a second, where removing its files from a disk takes minutes
# on a busy machine. Elsewhere it is a folder on disk.
if (($(awk '/^MemAvailable:/ {print int($2 / 1048576)}' /proc/meminfo) >= 10)); then
    mount -t tmpfs -o size=8g,mode=755 marolda-debian "$root"
fi

# debootstrap knows a release by its script; a release newer than it knows is made as sid is.
script=(/usr/share/debootstrap/scripts/sid)
[ ! -e "/usr/share/debootstrap/scripts/$suite" ] || script=()
echo "making a fresh Debian $suite in $root"
# A step, ended with the check: debootstrap would otherwise go on filling a removed folder.
step debootstrap --variant=minbase --include=ca-certificates,git,sudo "$suite" "$root" \
    http://deb.debian.org/debian "${script[@]}" > "$output/debootstrap.log" 2>&1
wait $! || { tail -n 20 "$output/debootstrap.log" >&2; exit 1; }
case "$suite" in
testing | forky | sid | unstable)
    # The testing suite on a mirror may carry a Release file past its Valid-Until date, between
    # two updates of the archive; apt refuses it unless told. Only there: a stable release's
    # Release file is checked as usual.
    echo 'Acquire::Check-Valid-Until "false";' > "$root/etc/apt/apt.conf.d/99marolda-testing"
    ;;
esac
for mount in proc sys dev dev/pts; do
    mount --bind "/$mount" "$root/$mount"
done
cp /etc/resolv.conf "$root/etc/resolv.conf"
echo "127.0.1.1 $(hostname)" >> "$root/etc/hosts" # sudo looks the host up

# Users of the release, each with the checkout's HEAD cloned into their home: player, in the
# group sudo as Debian's installer makes the first user, with a password that sudo asks for on
# every call, and guest, whom sudo does not let in. player's sudo is one that counts: a sudo in
# /usr/local/bin, first on the user's PATH, logs each call and hands the real one a helper that
# answers its prompt, logs it, and marks it in the log of the command that asked.
# as_user USER COMMAND: runs COMMAND in the clone, as the user, with a login's environment.
as_user() { chroot "$root" /usr/bin/sudo -u "$1" -H -- bash -lc "cd ~/marolda && LANG=C.UTF-8 $2"; }
for user in player guest; do
    chroot "$root" useradd --create-home --shell /bin/bash "$user"
    git clone --quiet "$output/source.git" "$root/home/$user/marolda"
    chroot "$root" chown -R "$user:$user" "/home/$user/marolda"
done
echo 'player:a-password' | chroot "$root" chpasswd
chroot "$root" usermod -a -G sudo player
echo 'Defaults:player timestamp_timeout=0' > "$root/etc/sudoers.d/player"
sudo_log=/var/log/marolda-sudo.log
install -m 666 /dev/null "$root$sudo_log"
cat > "$root/usr/local/bin/sudo" << EOF
#!/bin/sh
echo "call: \$*" >> $sudo_log
SUDO_ASKPASS=/usr/local/bin/marolda-askpass exec /usr/bin/sudo -A "\$@"
EOF
cat > "$root/usr/local/bin/marolda-askpass" << EOF
#!/bin/sh
echo "password asked" >> $sudo_log
echo "[check-debian: sudo asked for the password here]" >&2
echo a-password
EOF
chmod 755 "$root/usr/local/bin/sudo" "$root/usr/local/bin/marolda-askpass"
# asked LOG: prints how many times sudo asked for the password in a command's LOG.
asked() { grep -c '^\[check-debian: sudo asked for the password here\]$' "$1" || true; }

# A user whom sudo does not let in: play.sh must stop before it builds, saying how root installs
# the packages, with a status that is not 127 (a command not found). It is given a platform that
# needs no display, so that only the packages stop it.
status=0
as_user guest 'QT_QPA_PLATFORM=offscreen bash scripts/play.sh' > "$output/no-sudo.log" 2>&1 ||
    status=$?
if [ "$status" -eq 0 ] || [ "$status" -eq 127 ] || ! grep -q "su -c 'apt-get update" \
    "$output/no-sudo.log" || [ -e "$root/home/guest/marolda/build" ]; then
    cat "$output/no-sudo.log" >&2
    echo "a user without sudo: play.sh ended with status $status, not with setup.sh's message" \
        "and no build" >&2
    exit 1
fi
echo "a user without sudo: play.sh stopped before building, status $status, naming su -c"

# The player's command: it installs what the game needs, builds it and starts it, on an X
# server of the host. The system shares the host's abstract socket names, where the server
# listens too, and finds its socket file where the host has it: play.sh, which has no xdpyinfo
# on a fresh system, looks for that file.
game_session
x_start
mkdir -m 1777 "$root/tmp/.X11-unix"
touch "$root/tmp/.X11-unix/X${DISPLAY#:}"
mount --bind "/tmp/.X11-unix/X${DISPLAY#:}" "$root/tmp/.X11-unix/X${DISPLAY#:}"
# play LOG [SECONDS]: runs play.sh until the game shows its main window, within SECONDS.
play() {
    step as_user player "DISPLAY=$DISPLAY bash scripts/play.sh" > "$1" 2>&1
    if ! game window '^Marolda$' "${2:-1800}" $!; then
        tail -n 20 "$1" >&2
        echo "play.sh did not show the game's main window (see $1)" >&2
        exit 1
    fi
}
# The set-up and the build come first: minutes, on a fresh system.
play "$output/play.log"
game picture "$output/play.png"
stop_inside

# The developer's command: every test, the package, the checks of files, speech and Wayland.
step as_user player 'bash scripts/test.sh' > "$output/test.log" 2>&1
if ! wait $!; then
    tail -n 40 "$output/test.log" >&2
    cp "$root/home/player/marolda/build/orca-debug.txt" "$output/" 2> /dev/null || true
    echo "$suite: test.sh failed after $(((SECONDS - started) / 60)) min (log: $output/test.log)"
    exit 1
fi
# It asked for the password once, before any build or test, and compiled nothing of the game's
# own, which play.sh had compiled with the same flags.
first_work=$(grep -n -m 1 -E '^\[ *[0-9]+%\] (Building|Linking)|Test +#' "$output/test.log" |
    cut -d: -f1)
first_ask=$(grep -n -m 1 '^\[check-debian: sudo asked' "$output/test.log" | cut -d: -f1)
recompiled=$(grep -c -E '^\[ *[0-9]+%\] Building CXX object src/' "$output/test.log" || true)
if [ "$(asked "$output/test.log")" -ne 1 ] || [ -z "$first_ask" ] ||
    [ "$first_ask" -gt "${first_work:-0}" ] || [ "$recompiled" -ne 0 ]; then
    echo "test.sh asked for sudo's password $(asked "$output/test.log") times (the first at line" \
        "${first_ask:-none} of its log, its first build or test at line ${first_work:-none})" \
        "and compiled $recompiled objects of the game after play.sh (see $output/test.log)" >&2
    exit 1
fi
echo "test.sh asked for the password once, at line $first_ask of its log, before its first" \
    "build step (line $first_work); it compiled none of the game's objects after play.sh"

# play.sh once more, after test.sh: it must compile nothing, and ask for nothing.
play_started=$SECONDS
play "$output/play-again.log" 300
compiled=$(grep -c -E '^\[ *[0-9]+%\] Building' "$output/play-again.log" || true)
if [ "$compiled" -ne 0 ] || [ "$(asked "$output/play-again.log")" -ne 0 ]; then
    echo "play.sh after test.sh compiled $compiled objects and asked for the password" \
        "$(asked "$output/play-again.log") times (see $output/play-again.log)" >&2
    exit 1
fi
echo "play.sh after test.sh compiled nothing and showed the game in" \
    "$((SECONDS - play_started)) s; sudo was called $(grep -c '^call:' "$root$sudo_log") times" \
    "and asked $(grep -c '^password asked' "$root$sudo_log") times in all"
cp "$root$sudo_log" "$output/sudo.log"
stop_inside
# shellcheck disable=SC2016 # the format is dpkg-query's, not the shell's
version() { chroot "$root" dpkg-query -W -f='${Version}' "$1" | sed 's/[-+~].*//'; }
elapsed=$((SECONDS - started))
echo "$suite: play.sh and test.sh green in $((elapsed / 60)) min $((elapsed % 60)) s" \
    "(Qt $(version qt6-base-dev), GCC $(chroot "$root" g++ -dumpfullversion)," \
    "Orca $(version orca)); screenshot $output/play.png"
