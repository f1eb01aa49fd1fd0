#!/usr/bin/env bash
# Interrupts test.sh, or check-debian.sh (as root), with SIGINT as Ctrl-C does (to its whole
# foreground process group) at each of its phases, and fails if anything of it (a process, or
# for the Debian check a mount or its system) is left 10 s later. test.sh's phases take about
# 15 min after a build, the Debian check's about 25 (a system for each).
# Usage: bash scripts/check-interrupt.sh test [PHASE...]   (ctest, check-no-files, check-focus)
#        sudo bash scripts/check-interrupt.sh [SUITE [PHASE...]]   (trixie and every phase by
#        default; the phases are debootstrap, install, build and tests)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/lib.sh
suite="${1:-trixie}"
shift || true
phases=("$@")
output=$(realpath -m "build-debian/interrupt-$suite-$(IFS=- && echo "${phases[*]:-all}")")
if [ "$suite" = test ]; then
    command=(bash scripts/test.sh)
    ((${#phases[@]})) || phases=(ctest check-no-files check-focus)
else
    command=(bash scripts/check-debian.sh "$suite" "$output/check")
    ((${#phases[@]})) || phases=(debootstrap install build tests)
    if [ "$(id -u)" -ne 0 ]; then
        echo "check-interrupt.sh runs check-debian.sh, which only root may run" >&2
        exit 1
    fi
fi
mkdir -p "$output"

# marked: prints the processes that carry the run's mark in their environment (sudo clears it:
# those that run in a Debian check's system are found by their root).
marked() {
    # grep fails when a process ends while it looks: what it found is still printed.
    grep -lsxz "MAROLDA_INTERRUPT=$mark" /proc/[0-9]*/environ | cut -d/ -f3 || true
}
# reached PHASE: succeeds once the command is inside PHASE, as its logs or processes show.
reached() {
    local pid line
    case "$1" in
    debootstrap) grep -qs '^I: \(Unpacking the base system\|Installing core packages\)' \
        "$output/check/debootstrap.log" ;;
    install) grep -qs '^Unpacking ' "$output/check/play.log" ;;
    build) grep -qsE '^\[ *[0-9]+%\] Building CXX' "$output/check/play.log" ;;
    tests) grep -qsE 'Test +#[0-9]+:' "$output/check/test.log" ;;
    *) # a command of test.sh's: ctest, or a check run as "bash scripts/PHASE.sh"
        for pid in $(marked); do
            line=$(tr '\0' ' ' 2> /dev/null < "/proc/$pid/cmdline") || continue
            [[ $line == "$1 "* || $line == "bash scripts/$1.sh"* ]] && return 0
        done
        return 1
        ;;
    esac
}
# leftovers: prints what is left of the interrupted command, if anything: a process that carries
# the mark, that runs in the Debian check's system, or that names it (debootstrap), a mount in
# the system, or the system's folder.
leftovers() {
    local pid line
    for pid in $({ marked; [ -z "$root" ] || rooted "$root"; } | sort -u); do
        echo "process $pid: $(tr '\0' ' ' 2> /dev/null < "/proc/$pid/cmdline")"
    done
    [ -n "$root" ] || return 0
    pgrep -a -f "$root" | grep -v "^$$ " || true
    findmnt -rn -o TARGET | grep "^$root/" | sed 's/^/mounted: /' || true
    [ ! -e "$root" ] || echo "folder: $root"
}
# shellcheck disable=SC2317,SC2329 # called by wait_until
nothing_left() { [ -z "$(leftovers)" ]; }
# A command that this script leaves behind, itself interrupted, goes with it.
# shellcheck disable=SC2317,SC2329 # called from lib.sh's trap
cleanup() { [ -z "${check:-}" ] || kill -INT -- "-$check" 2> /dev/null || true; }
on_exit

failed=0
for phase in "${phases[@]}"; do
    root='' check='' mark="$$-$phase"
    rm -rf "$output/check" # the logs that tell the phase: none of an earlier run's
    # A step: a process group of its own, as a terminal gives a command (see lib.sh). env gives
    # it the default action for SIGINT back where this script was itself started ignoring SIGINT
    # (by & in a script): a shell started so cannot undo it, nor even trap SIGINT.
    step env --default-signal=INT MAROLDA_INTERRUPT="$mark" "${command[@]}" \
        > "$output/$phase.log" 2>&1
    check=$!
    started=$SECONDS
    until reached "$phase"; do
        if ended "$check"; then
            echo "$phase: ${command[*]} ended before the phase (see $output/$phase.log)" >&2
            failed=1
            continue 2
        fi
        if ((SECONDS - started > 3600)); then
            echo "$phase: not reached within an hour" >&2
            failed=1
            break
        fi
        sleep 1
    done
    root=$(sed -n 's/^making a fresh Debian .* in \(.*\)$/\1/p' "$output/$phase.log")
    running=$(leftovers | wc -l)
    interrupted=${EPOCHREALTIME//[!0-9]/}
    kill -INT -- "-$check"
    if wait_until 10 "nothing left" nothing_left 2> /dev/null; then
        took=$(((${EPOCHREALTIME//[!0-9]/} - interrupted) / 100000)) # tenths of a second
        echo "$phase (after $((SECONDS - started)) s): of $running processes, folders and mounts," \
            "nothing left $((took / 10)).$((took % 10)) s after SIGINT"
    else
        echo "$phase: left after 10 s:" >&2
        leftovers >&2
        failed=1
        # Not to spoil the next phase, the command is told to end, and waited for.
        kill -TERM -- "-$check" 2> /dev/null || true
    fi
    wait "$check" 2> /dev/null || true
    check=''
done
exit "$failed"
