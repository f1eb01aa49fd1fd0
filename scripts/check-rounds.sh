#!/usr/bin/env bash
# The whole-game checks under load (docs/testing.md): each round runs check-no-files.sh,
# check-speech.sh and check-focus.sh openbox at once, beside a build from scratch again and
# again (one job, in build-rounds/beside), until a round fails; their output stays in
# build-rounds/. Usage: bash scripts/check-rounds.sh [ROUNDS] [--alone]   (after test.sh, which
# installs what the checks need; --alone: no build beside)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/lib.sh

rounds=20 beside=1
for argument in "$@"; do
    case "$argument" in
    --alone) beside= ;;
    *[!0-9]* | '' | 0) echo "usage: $0 [ROUNDS] [--alone]" >&2 && exit 2 ;;
    *) rounds=$argument ;;
    esac
done
# The checks install nothing here: what is missing stops the first of them, by name.
export MAROLDA_PACKAGES_READY=1
bash scripts/setup.sh --quiet default
output=build-rounds
rm -f "$output"/*.log "$output/builds"
mkdir -p "$output"

# shellcheck disable=SC2317,SC2329 # called from lib.sh's trap
cleanup() { (($1 <= 128)) || echo "stopped in round ${round:-1} of $rounds" >&2; }
on_exit

if [ -n "$beside" ]; then
    cmake --preset default -B "$output/beside" > /dev/null
    : > "$output/builds"
    # A line in builds for each whole build.
    # shellcheck disable=SC2016 # expanded by the build's own shell
    step bash -c 'while cmake --build "$1/beside" --clean-first -j1 > "$1/beside.log" 2>&1; do
            echo >> "$1/builds"; done; echo "the build beside failed: $1/beside.log" >&2' \
        -- "$output"
fi
started=$SECONDS
declare -A check=([no-files]=check-no-files.sh [speech]=check-speech.sh
    [focus]="check-focus.sh openbox")
declare -A running
for round in $(seq "$rounds"); do
    begun=$SECONDS
    for name in no-files speech focus; do
        # shellcheck disable=SC2086 # the check's name, and its argument
        step bash scripts/${check[$name]} > "$output/$round-$name.log" 2>&1
        running[$name]=$!
    done
    failed=()
    for name in no-files speech focus; do
        wait "${running[$name]}" || failed+=("$name")
    done
    builds=${beside:+, $(wc -l < "$output/builds") whole builds beside so far}
    if ((${#failed[@]} > 0)); then
        echo "round $round of $rounds: failed after $((SECONDS - begun)) s$builds"
        for name in "${failed[@]}"; do
            echo "--- ${check[$name]} (the last of $output/$round-$name.log):"
            tail -n 15 "$output/$round-$name.log"
        done
        exit 1
    fi
    echo "round $round of $rounds: green in $((SECONDS - begun)) s$builds"
done
echo "every round green: $((rounds * 3)) whole games in $(((SECONDS - started) / 60)) min"
