#!/usr/bin/env bash
# Planted faults: applies each fault of scripts/mutants.txt in turn to a copy of this checkout's
# source in build-mutants/source/, rebuilds it in build-mutants/build/, runs the tests, puts the
# copy back byte for byte, and prints whether a test caught the fault. The checkout itself is
# never changed, so that a build or an editor working in it at the same time never sees a fault.
# A fault that the unit tests cannot see (they run on the offscreen platform) names the check
# that catches it (check:), run against the fault's build once the tests have passed. Ends with
# "caught N of M"; exits 0 only if every selected fault was caught. Run on demand, not in CI;
# see the README for how long it takes.
#
# Usage: scripts/mutants.sh [OPTION...] [N | N-M...]: every fault, or those numbered so (3 7-9:
# faults 3, 7, 8 and 9, numbered as --list shows them)
#   -f, --faults FILE     read the faults from FILE instead of scripts/mutants.txt; the files it
#                         names are still files of this checkout
#   -m, --match PATTERN   only the faults whose file, kind or description match PATTERN
#                         (grep -Ei; e.g. -m frminizio)
#   -l, --list            list the faults with their numbers and check each against the source;
#                         builds and runs nothing, exits 1 if any entry is stale
#   -t, --timeout SECS    time allowed for the tests of one fault (default 300); a run that
#                         takes longer counts as caught, and says so
#   -h, --help            this text
#
# Exit status: 0 every selected fault caught; 1 some not caught; 2 misuse, a malformed list, or
# a build or test run that fails before any fault is planted; 3 a file could not be restored.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd -P)
# shellcheck source=scripts/lib.sh
source "$root/scripts/lib.sh"
list="$root/scripts/mutants.txt"
source="$root/build-mutants/source" # the copy that the faults are planted in
build="$root/build-mutants/build"
state="$root/build-mutants/mutants"
# Everything but the memory soak (minutes) and the validators of the installed files, which
# test no game logic. The explorer, the slowest of the rest, runs last on its own.
# shellcheck disable=SC2034 # test_now reads them by name
quick_tests=(-E '^(soak|installed_files|explorer)$') explorer_tests=(-R '^explorer$')
test_limit=300 check_limit=900 build_limit=1800

usage() { sed -n '2,/^set -euo/{/^set -euo/d;s/^# \{0,1\}//;p}' "${BASH_SOURCE[0]}"; }
die() { echo "mutants.sh: $*" >&2; exit 2; }

# The list: a block of "key: value" lines for each fault, blank lines between the blocks.
f_file=() f_kind=() f_what=() f_from=() f_to=() f_line=() f_check=()

parse_list() {
    [ -f "$list" ] || die "no list of faults at $list"
    local number=0 line key start=0
    local -A fault=()
    # add_fault: the block read so far (fault, from the list's line start), checked.
    add_fault() {
        ((start)) || return 0
        for key in file what kind from; do
            [ -n "${fault[$key]:-}" ] || die "$list:$start: the fault has no '$key:'"
        done
        [[ -v fault[to] ]] ||
            die "$list:$start: the fault has no 'to:' (write 'to:' alone to delete the text)"
        [ "${fault[from]}" != "${fault[to]}" ] || die "$list:$start: 'from:' and 'to:' are the same"
        f_file+=("${fault[file]}") f_kind+=("${fault[kind]}") f_what+=("${fault[what]}")
        f_from+=("${fault[from]}") f_to+=("${fault[to]}") f_line+=("$start")
        f_check+=("${fault[check]:-}")
        fault=() start=0
    }
    while IFS= read -r line || [ -n "$line" ]; do
        number=$((number + 1))
        if [[ -z "${line//[[:space:]]/}" ]]; then
            add_fault
        elif [[ "$line" != \#* ]]; then
            [[ "$line" == *:* ]] || die "$list:$number: expected 'key: value', got: $line"
            key=${line%%:*} line=${line#*:}
            [[ "$key" =~ ^(file|kind|what|from|to|check)$ ]] ||
                die "$list:$number: unknown key '$key' (file, kind, what, from, to, check)"
            fault[$key]=${line# }
            ((start)) || start=$number
        fi
    done <"$list"
    add_fault
    ((${#f_file[@]})) || die "$list lists no faults"
}

# Why fault I cannot be applied to the source as it stands, or nothing if it can: the
# checkout's, or once a run has made it, the copy's.
tree=$root
stale_reason() {
    local file=${f_file[$1]} count
    if [[ "$file" =~ ^/|^\.\.(/|$)|/\.\.(/|$) ]]; then
        echo "'$file' is not a path inside the checkout"
    elif [ ! -f "$tree/$file" ]; then
        echo "no file $file"
    elif [ -L "$tree/$file" ] || [[ "$(realpath -e "$tree/$file")" != "$tree/"* ]] ||
        ! git -C "$root" ls-files --error-unmatch -- "$file" >/dev/null 2>&1; then
        echo "$file is not a tracked file of this checkout"
    else
        # How often the text occurs (non-overlapping, within lines); grep fails on none.
        count=$(LC_ALL=C grep -aoF -e "${f_from[$1]}" -- "$tree/$file" | wc -l) || true
        ((count == 1)) ||
            echo "the 'from:' text occurs $count times in $file, not once (list line ${f_line[$1]})"
    fi
}

# The file of the copy that holds a fault right now (relative to $source), and its sum before.
mutated='' original_sum=''

sum() { sha256sum <"$1" | cut -d' ' -f1; }

# Brings the copy to the checkout's tracked files as they are now, edits included. Only a file
# whose content differs is written, and it is written now: make rebuilds what it must, and a
# file restored after a fault keeps a time later than the object that the fault built. A run
# killed with a fault planted is mended here too, as that file differs from the checkout's.
sync_copy() {
    local file
    mkdir -p "$source"
    git -C "$root" ls-files -z | LC_ALL=C sort -z >"$state/files"
    while IFS= read -r -d '' file; do
        [ -f "$root/$file" ] || continue
        if ! cmp -s "$root/$file" "$source/$file"; then
            mkdir -p "$(dirname "$source/$file")"
            cp "$root/$file" "$source/$file"
        fi
    done <"$state/files"
    # Files that the checkout no longer tracks go, or a glob of the build would find them.
    (cd "$source" && find . -type f -printf '%P\0' | LC_ALL=C sort -z) |
        LC_ALL=C comm -z -23 - "$state/files" | (cd "$source" && xargs -0r rm -f --)
}

restore() {
    [ -n "$mutated" ] || return 0
    cat "$state/pending.orig" >"$source/$mutated"
    if [ "$(sum "$source/$mutated")" != "$original_sum" ]; then
        echo "mutants.sh: COULD NOT RESTORE $source/$mutated; its original is in" \
            "$state/pending.orig" >&2
        return 1
    fi
    rm -f "$state/pending.orig"
    mutated=''
}

# plant I: fault I into its file of the copy, its original kept first for restore.
plant() {
    local path="$source/${f_file[$1]}"
    original_sum=$(sum "$path")
    cp "$path" "$state/pending.orig"
    mutated=${f_file[$1]}
    MUT_FROM=${f_from[$1]} MUT_TO=${f_to[$1]} awk '
        BEGIN { from = ENVIRON["MUT_FROM"]; to = ENVIRON["MUT_TO"] }
        (i = index($0, from)) { $0 = substr($0, 1, i - 1) to substr($0, i + length(from)) }
        { print }' "$state/pending.orig" >"$path"
}

# The build or test run under way ends first (see lib.sh), then the copy is restored.
# shellcheck disable=SC2317,SC2329 # called from lib.sh's trap
cleanup() {
    end_steps
    restore || exit 3
}

# Runs a command as a step (a process group of its own), within `limit` seconds, output to `log`.
run_limited() {
    local limit=$1 log=$2 rc=0
    shift 2
    step timeout -k 10 "$limit" "$@" >"$log" 2>&1
    wait $! || rc=$?
    steps=()
    return "$rc"
}
build_now() { run_limited "$build_limit" "$1" cmake --build "$build" --parallel 2; }

# Runs the tests; sets `caught_by` to the failing test and what failed in it, or empties it.
# Returns 0 when every test passed.
test_now() {
    local log=$1 rc phase
    caught_by=
    : >"$log"
    for phase in quick explorer; do
        local -n selection=${phase}_tests
        rc=0
        run_limited "$test_limit" "$log.$phase" env QT_QPA_PLATFORM=offscreen \
            ctest --test-dir "$build" "${selection[@]}" --stop-on-failure --output-on-failure \
            --no-tests=error || rc=$?
        cat "$log.$phase" >>"$log"
        rm -f "$log.$phase"
        ((rc)) || continue
        if ((rc == 124 || rc == 137)); then
            caught_by="no result within $test_limit s in the $phase tests: a hang, or the explorer"
            caught_by+=" shrinking a failure"
        else
            caught_by=$(describe_failure "$log")
        fi
        return 1
    done
}

# The first failing test in a ctest log, and the first thing it reported as failed: a Qt Test
# function, the explorer's finding, or else the first line of the test's output.
describe_failure() {
    awk '
        test == "" && /Test +#[0-9]+: [^ ]+ .*\*\*\*/ {
            test = $0; sub(/.*Test +#[0-9]+: /, "", test); sub(/ .*/, "", test)
            status = $0; sub(/.*\*\*\*/, "", status); sub(/ +[0-9.]+ sec.*/, "", status)
            next
        }
        test == "" || detail != "" { next }
        /^(FAIL!|QFATAL) *: / { sub(/^[A-Z!]+ *: /, ""); sub(/\).*/, ")"); detail = $0 }
        /^FAILED with seed [0-9]+: / { detail = substr($0, 13) }
        first == "" && !/^ *$/ && !/^(\*\*\*\*\*|Config:|PASS|QDEBUG|QWARN|QINFO|Totals)/ {
            first = $0
        }
        END {
            if (test == "") print "a test failed"
            else print test ": " (detail != "" ? detail : first != "" ? first : status)
        }' "$1"
}

# Runs a check of scripts/ (its name and arguments in one line) on the copy, against the
# program of the build; sets `caught_by` to what it said failed. Returns 0 when it passed.
check_now() {
    local log=$2 rc=0 command
    read -ra command <<<"$1"
    run_limited "$check_limit" "$log" env -C "$source" MAROLDA_PROGRAM="$build/marolda" \
        bash "scripts/${command[0]}" "${command[@]:1}" || rc=$?
    ((rc == 0)) && return 0
    caught_by="check: $1: $(grep -m 1 -E '^FAIL|gave up' "$log" || tail -n 1 "$log")"
    return 1
}

pattern='' list_only=0 numbers=()
while (($#)); do
    case "$1" in
    -h | --help) usage; exit 0 ;;
    -l | --list) list_only=1 ;;
    -f | --faults)
        (($# >= 2)) || die "$1 needs a file"
        list=$(realpath -e -- "$2" 2>/dev/null) || die "no such file: $2"
        shift
        ;;
    -m | --match) (($# >= 2)) || die "$1 needs a pattern"; pattern=$2; shift ;;
    -t | --timeout)
        [[ "${2:-}" =~ ^[1-9][0-9]*$ ]] || die "$1 needs a number of seconds"
        test_limit=$2
        shift
        ;;
    -*) die "unknown option $1 (see --help)" ;;
    *)
        [[ "$1" =~ ^[1-9][0-9]*(-[1-9][0-9]*)?$ ]] || die "not a fault number or range: $1"
        numbers+=("$1")
        ;;
    esac
    shift
done

parse_list
total=${#f_file[@]}
# The faults asked for by number (all without one), then those of them that match the pattern.
wanted=()
for range in "${numbers[@]:-1-$total}"; do
    ((${range#*-} <= total)) || die "there are only $total faults in $list (asked for $range)"
    for ((n = ${range%-*}; n <= ${range#*-}; n++)); do
        wanted[n - 1]=1
    done
done
selected=()
for i in "${!wanted[@]}"; do
    if [ -z "$pattern" ] || grep -qiE -- "$pattern" <<<"${f_file[$i]}: ${f_kind[$i]}: ${f_what[$i]}"
    then
        selected+=("$i")
    fi
done
((${#selected[@]})) || die "no fault matches the selection"

line_for() { # number, status, file, description, detail
    printf '%3d  %-12s  %s: %s%s\n' "$1" "$2" "$3" "$4" "${5:+  [$5]}"
}

if ((list_only)); then
    stale=0
    for i in "${selected[@]}"; do
        reason=$(stale_reason "$i")
        if [ -n "$reason" ]; then
            stale=$((stale + 1))
            line_for $((i + 1)) STALE "${f_file[$i]}" "${f_what[$i]}" "$reason"
        else
            printf "%3d  %-25s  %s: %s\n" $((i + 1)) "${f_kind[$i]}" "${f_file[$i]}" \
                "${f_what[$i]}"
        fi
    done
    echo "${#selected[@]} faults, $stale stale"
    exit $((stale > 0))
fi

for tool in cmake ctest git timeout flock sha256sum awk realpath cmp comm; do
    command -v "$tool" >/dev/null || die "$tool is missing: run scripts/setup.sh first"
done

mkdir -p "$state"
exec 9>"$state/lock"
flock -n 9 || die "another run of mutants.sh is using $build"
on_exit
trap 'exit 129' HUP
trap 'exit 141' PIPE
sync_copy
tree=$source

checkout_status() { git -C "$root" --no-optional-locks status --porcelain --untracked-files=all; }
started=$SECONDS
status_before=$(checkout_status)

echo "Building $build and running the tests on the unchanged source..."
cmake -S "$source" -B "$build" -DCMAKE_BUILD_TYPE=Release -DMAROLDA_EXTRAS=OFF \
    >"$state/configure.log" 2>&1 || die "configuring $build failed: see $state/configure.log"
build_now "$state/baseline-build.log" ||
    die "the unchanged source does not build: see $state/baseline-build.log"
baseline_started=$SECONDS
test_now "$state/baseline-tests.log" ||
    die "the tests fail on the unchanged source ($caught_by): see $state/baseline-tests.log"
for check in $(for i in "${selected[@]}"; do echo "${f_check[$i]// /:}"; done | sort -u); do
    check_now "${check//:/ }" "$state/baseline-check.log" ||
        die "the check fails on the unchanged source ($caught_by): see $state/baseline-check.log"
done
echo "Baseline passed: build $((baseline_started - started)) s," \
    "tests and checks $((SECONDS - baseline_started)) s."
echo "Each fault takes a rebuild and a test run; logs go to $state/."
echo

caught=0
results=()
for i in "${selected[@]}"; do
    n=$((i + 1))
    fault_started=$SECONDS
    detail=
    reason=$(stale_reason "$i")
    if [ -n "$reason" ]; then
        status=STALE detail=$reason
    else
        plant "$i"
        if ! build_now "$state/$n-build.log"; then
            status="BUILD FAILED" detail="see $state/$n-build.log"
        elif test_now "$state/$n-tests.log" && { [ -z "${f_check[$i]}" ] ||
            check_now "${f_check[$i]}" "$state/$n-check.log"; }; then
            status=SURVIVED
        else
            status=CAUGHT detail=$caught_by
            caught=$((caught + 1))
        fi
        restore || exit 3
    fi
    results+=("$(line_for "$n" "$status" "${f_file[$i]}" "${f_what[$i]}" "$detail")")
    echo "${results[-1]}  ($((SECONDS - fault_started)) s)"
done

if ! diff <(echo "$status_before") <(checkout_status) >"$state/status.diff"; then
    echo "warning: the checkout's status changed during the run (edited meanwhile: the run" \
        "tested the source as it was at its start):" >&2
    cat "$state/status.diff" >&2
fi

elapsed=$((SECONDS - started))
summary=("caught $caught of ${#selected[@]}" "total time $((elapsed / 60)) min $((elapsed % 60)) s")
printf '%s\n' "${results[@]}" "${summary[@]}" >"$state/results.txt"
printf '\n%s\n%s; results in %s\n' "${summary[@]}" "$state/results.txt"
((caught == ${#selected[@]}))
