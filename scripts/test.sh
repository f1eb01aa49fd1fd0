#!/usr/bin/env bash
# Sets up what is missing, builds, and runs every check headless (the README lists them); ends
# with a line per check, passed or failed, with the command that runs it again alone, and exits
# non-zero if any failed. PRESET: "default" (build/) or "asan" (build-asan/, the unit tests).
# Ctrl-C ends every check it started, through the check's own cleanup.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/lib.sh
preset="${1:-default}"
# Everything that any check needs (scripts/packages.txt), installed in one step at the start,
# so that sudo asks at most once, before the build, and never minutes later.
groups=()
[ "$preset" != default ] || groups=(all)
bash scripts/setup.sh --werror on "$preset" "${groups[@]}"
# From here on, each check finds its packages in place and installs nothing.
export MAROLDA_PACKAGES_READY=1
on_exit

results=() failed=0
# check COMMAND...: runs a check, and keeps its line for the end: the command that runs it again.
check() {
    local began=$SECONDS status=0 command="$*"
    "$@" || status=$?
    noted "$status" $((SECONDS - began)) "${command#eval }"
}
# noted STATUS SECONDS COMMAND: the line of a check that has ended.
noted() {
    (($1 == 0)) || failed=$((failed + 1))
    results+=("$(printf '%-6s %4d s   %s' "$( (($1)) && echo FAILED || echo passed)" "$2" "$3")")
}

[ "$preset" != default ] || check eval 'shellcheck scripts/*.sh .ci/run && pyflakes3 scripts/*.py'
check env QT_QPA_PLATFORM=offscreen ctest --preset "$preset" --parallel "$(nproc)"
if [ "$preset" = default ]; then
    check bash scripts/check-package.sh
    check bash scripts/check-no-files.sh
    check bash scripts/check-speech.sh
    check bash scripts/check-wayland.sh
    # The focus walks side by side, each a whole game mostly spent waiting for the computer's
    # answers, the others' output shown once they end. A mutter without an X11 mode (GNOME 49
    # and later) runs only as a Wayland compositor; one with --headless runs so here.
    walks=()
    declare -A needs=([mutter]=--x11 [gnome-wayland]=--headless)
    for wm in mutter gnome-wayland; do
        if [[ $(mutter --help 2>&1) == *"${needs[$wm]}"* ]]; then
            step bash scripts/check-focus.sh "$wm" > "build/focus-$wm.log" 2>&1
            walks+=("$wm $!")
        else
            echo "$(mutter --version | head -n 1) has no ${needs[$wm]}: no focus walk under $wm"
        fi
    done
    check bash scripts/check-focus.sh openbox
    for walk in "${walks[@]}"; do
        read -r wm pid <<< "$walk"
        status=0
        wait "$pid" || status=$?
        cat "build/focus-$wm.log"
        took=$(sed -n "s/^$wm: in \([0-9]*\) s$/\1/p" "build/focus-$wm.log")
        noted "$status" "${took:-0}" "bash scripts/check-focus.sh $wm"
    done
fi
echo
echo "test.sh, $preset preset: each check, and the command that runs it again alone"
printf '  %s\n' "${results[@]}"
echo "test.sh: $((${#results[@]} - failed)) passed, $failed failed"
exit $((failed > 0))
