#!/usr/bin/env bash
# Installs what the build needs and is missing (Debian packages), and the groups of packages
# named (scripts/packages.txt; "all": every group), then configures and builds PRESET ("default").
# --target NAME: that target alone. --werror on (the developers' and CI's build): a compiler's
# warning, as scripts/compile.sh keeps it, fails the build. --quiet (the checks): the build's
# output goes to FOLDER/setup.log unless it fails.
# MAROLDA_PACKAGES_READY=1 (set by test.sh once it has installed all): a package missing is an
# error. Usage: setup.sh [--target NAME] [--werror on|off] [--quiet] [PRESET [GROUP...]]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

target=() werror=off quiet=
while [ $# -gt 0 ]; do
    case "$1" in
    --target) target=(--target "$2") && shift ;;
    --werror) werror="${2,,}" && shift ;;
    --quiet) quiet=1 ;;
    *) break ;;
    esac
    shift
done
preset="${1:-default}"
shift || true
groups=(build "$@")
# A Wayland session without an X display: the game runs natively there, with Qt's plugin.
if [ -n "${WAYLAND_DISPLAY:-}" ] && [ -z "${DISPLAY:-}" ]; then
    groups+=(wayland-session)
fi
# The packages of those groups (scripts/packages.txt), each once.
mapfile -t packages < <(awk -v groups=" ${groups[*]} " '/^[a-z]/ && (index(groups, " " $1 " ") ||
    index(groups, " all ")) { for (i = 2; i <= NF; i++) print $i }' scripts/packages.txt | sort -u)

# A build folder left by a run as root (sudo bash scripts/play.sh) cannot be written by its user:
# say so in one line, with the command that gives it back, rather than let CMake fail in it.
case "$preset" in
default) folder=build ;;
asan) folder=build-asan ;;
*) folder= ;;
esac
unwritable=
if [ -n "$folder" ] && [ -e "$folder" ]; then
    unwritable=$(find "$folder" ! -writable -print -quit 2> /dev/null || echo "$folder")
    fix="chown -R $(id -un): $PWD/$folder"
elif [ -n "$folder" ] && [ ! -w . ]; then
    unwritable=$PWD fix="chown -R $(id -un): $PWD"
fi
if [ -n "$unwritable" ]; then
    if command -v sudo > /dev/null; then
        fix="sudo $fix"
    else
        fix="su -c '$fix'"
    fi
    echo "$(id -un) cannot write $unwritable, which belongs to $(stat -c %U "$unwritable")" \
        "(a build run as root?); to give it back, run: $fix" >&2
    exit 1
fi

if ! command -v apt-get > /dev/null || ! command -v dpkg-query > /dev/null; then
    # Not a Debian system: nothing is installed here. The build goes on if its tools are there.
    if ! command -v cmake > /dev/null || ! command -v c++ > /dev/null; then
        cat >&2 << EOF
This system has no apt-get, so nothing was installed. To build Marolda, install:
  a C++20 compiler, make, CMake 3.25 or later, pkg-config, Qt 6.4 or later with its
  Widgets, Svg and Test modules, the XCB library (libxcb) with its headers, and the fonts
  Comic Neue and Liberation (optional).
The README names the packages on Fedora and Arch. The Debian names are:
  ${packages[*]}
EOF
        exit 1
    fi
else
    # shellcheck disable=SC2016 # dpkg-query's format
    mapfile -t missing < <(dpkg-query -W -f='${Status} ${Package}\n' "${packages[@]}" \
        2> /dev/null | sed -n 's/^[a-z]* ok installed //p' | sort -u |
        comm -13 - <(printf '%s\n' "${packages[@]}"))
    # One command, so that sudo runs once and asks for a password at most once.
    # shellcheck disable=SC2016 # expanded by the root shell, from the arguments after it
    install=(sh -c 'apt-get update -q && DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q --no-install-recommends "$@"' sh "${missing[@]}")
    # cannot_install WHY: names the packages, how root installs them, and stops before the build.
    cannot_install() {
        cat >&2 << EOF
Marolda needs these Debian packages, which are not installed:
  ${missing[*]}
$1 Install them as root (su asks for root's password), then run this again:
  su -c 'apt-get update && apt-get install -y --no-install-recommends ${missing[*]}'
EOF
        exit 1
    }
    if ((${#missing[@]})); then
        if [ "${MAROLDA_PACKAGES_READY:-}" = 1 ]; then
            echo "missing after test.sh's installation: ${missing[*]} (add them to its list)" >&2
            exit 1
        elif [ "$(id -u)" -eq 0 ]; then
            echo "Installing: ${missing[*]}"
            "${install[@]}"
        elif ! command -v sudo > /dev/null; then
            cannot_install "This system has no sudo."
        else
            # A user whom sudo lets in without a password, or who is in the group that sudo
            # admits on Debian, is asked once; any other would only be refused after typing it.
            if ! sudo -n true 2> /dev/null && ! id -nG | grep -qwE 'sudo|admin|wheel'; then
                cannot_install "$(id -un) is not in the group sudo, so sudo would refuse it."
            fi
            echo "Installing with sudo, which may ask for your password: ${missing[*]}"
            status=0
            sudo "${install[@]}" || status=$?
            # sudo's own failure (refused, a wrong password, no terminal to ask on) is 1;
            # apt-get's are 100.
            if [ "$status" -eq 1 ]; then
                cannot_install "sudo did not let $(id -un) install them."
            elif [ "$status" -ne 0 ]; then
                echo "installing the packages failed (status $status): see apt-get's words above" >&2
                exit 1
            fi
        fi
        # For the README's command that removes them again.
        mkdir -p build && printf '%s\n' "${missing[@]}" >> build/installed-packages.txt
    fi
fi

# One configuration and build of a folder at a time: the checks run this script as they start,
# and two CMake runs writing the same folder at once break each other's files.
if [ -n "$folder" ]; then
    mkdir -p "$folder"
    exec {lock}> "$folder/.setup.lock"
    if ! flock -n "$lock"; then
        echo "another build in $folder is running: waiting for it"
        flock "$lock"
    fi
fi
build() {
    # The list of compile commands names every object that the build has now: a record left by
    # a source file since deleted or renamed, or by another branch, is no warning of this one.
    cmake --preset "$preset" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON
    cmake --build --preset "$preset" --parallel "$(nproc)" "${target[@]}"
}
# The presets need CMake 3.25 (Debian 12, Ubuntu 23.04 and later).
version=$(cmake --version | sed -n '1s/[^0-9]*\([0-9.]*\).*/\1/p')
if [ "$(printf '3.25\n%s\n' "$version" | sort -V | head -n 1)" != 3.25 ]; then
    echo "CMake $version is too old: Marolda's build needs 3.25 or later (Debian 12, Ubuntu" \
        "23.04 and later; elsewhere see https://cmake.org/download/)" >&2
    exit 1
fi
log=${folder:-.}/setup.log
if [ -z "$quiet" ]; then
    build
else
    echo "building the $preset preset (its output: $log)"
    if ! build > "$log" 2>&1; then
        tail -n 40 "$log" >&2
        echo "building the $preset preset failed: see $log" >&2
        exit 1
    fi
fi
# The records of warnings (compile.sh) of the objects that the build has now, each shown.
if [ "$werror" = on ] && [ -n "$folder" ]; then
    warned=$(awk '/"directory": / { sub(/.*"directory": "/, ""); sub(/",$/, ""); folder = $0 }
        /"command": / { sub(/.* -o /, ""); sub(/ .*/, ""); record = folder "/" $0 ".warnings"
            if ((getline line < record) > 0) print record; close(record) }' \
        "$folder/compile_commands.json")
    if [ -n "$warned" ]; then
        xargs -d '\n' cat -- <<< "$warned" >&2
        echo "warnings are errors here: the compiler warned about $(wc -l <<< "$warned")" \
            "object(s), shown above" >&2
        exit 1
    fi
fi
