#!/usr/bin/env bash
# Sets up what is missing, builds, and runs every test headless; ends with a line per check,
# passed or failed, with the command that runs it again alone, and exits non-zero if any failed.
# An optional argument names the preset: "default" (build/) or "asan" (build-asan/).
# The default build also has the scripts read by shellcheck and pyflakes, makes the Debian
# package and has lintian check it (scripts/check-package.sh), installs the program into a
# temporary prefix and plays one whole game with it under strace (scripts/check-no-files.sh),
# plays one by the keyboard alone under the screen reader Orca (scripts/check-speech.sh), runs
# the program in a Wayland session, with Xwayland and without (scripts/check-wayland.sh), and
# follows the keyboard focus through the game's windows under the window managers openbox,
# mutter and GNOME's mutter on Wayland (scripts/check-focus.sh). Ctrl-C ends every check it
# started, through the check's own cleanup.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/lib.sh
preset="${1:-default}"
# Everything that any check needs (scripts/packages.txt), installed in one step at the start,
# so that sudo asks at most once, before the build, and never minutes later.
groups=(all)
if [ "$preset" != default ]; then
    groups=()
fi
bash scripts/setup.sh --werror on "$preset" "${groups[@]}"
# From here on, each check finds its packages in place and installs nothing.
export MAROLDA_PACKAGES_READY=1
on_exit

results=() failed=0
# check NAME RERUN COMMAND...: runs a check, and keeps its line for the end.
check() {
    local name="$1" rerun="$2" began=$SECONDS status=0
    shift 2
    "$@" || status=$?
    noted "$name" "$rerun" "$status" $((SECONDS - began))
}
# noted NAME RERUN STATUS SECONDS: the line of a check that has ended.
noted() {
    local result=passed
    if [ "$3" -ne 0 ]; then
        result=FAILED failed=$((failed + 1))
    fi
    results+=("$(printf '%-6s  %-28s %4d s   %s' "$result" "$1" "$4" "$2")")
}
# focus_step WM: the focus walk under WM, in the background; its output is shown once it ends.
focus_step() {
    step bash scripts/check-focus.sh "$1" > "build/focus-$1.log" 2>&1
    focus+=("$1 $! $SECONDS")
}
# focus_end WM PID STARTED: waits for a focus walk, shows its output and notes it.
focus_end() {
    local status=0
    wait "$2" || status=$?
    cat "build/focus-$1.log"
    noted "check-focus.sh $1" "bash scripts/check-focus.sh $1" "$status" $((SECONDS - $3))
}

if [ "$preset" = default ]; then
    check "shellcheck, pyflakes" "shellcheck scripts/*.sh .ci/run; pyflakes3 scripts/*.py" \
        eval 'shellcheck scripts/*.sh .ci/run && pyflakes3 scripts/*.py'
fi
check "unit tests (ctest)" "QT_QPA_PLATFORM=offscreen ctest --preset $preset" \
    env QT_QPA_PLATFORM=offscreen ctest --preset "$preset" --parallel "$(nproc)"
if [ "$preset" = default ]; then
    # The focus walks run beside the other checks: a whole game each, mostly spent waiting for
    # the computer's answers. A mutter without an X11 mode (GNOME 49 and later) runs only as a
    # Wayland compositor; one with --headless (mutter 43 and later) runs as one here.
    focus=()
    mutter=$(mutter --help 2>&1 || true)
    if [[ $mutter == *--x11* ]]; then
        focus_step mutter
    else
        echo "$(mutter --version | head -n 1) has no X11 mode: no focus walk under mutter on X11"
    fi
    if [[ $mutter == *--headless* ]]; then
        focus_step gnome-wayland
    else
        echo "$(mutter --version | head -n 1) has no --headless: no focus walk under GNOME on Wayland"
    fi
    check check-package.sh "bash scripts/check-package.sh" bash scripts/check-package.sh
    check check-no-files.sh "bash scripts/check-no-files.sh" bash scripts/check-no-files.sh
    check check-speech.sh "bash scripts/check-speech.sh (log: build/orca-debug.txt)" \
        bash scripts/check-speech.sh
    check check-wayland.sh "bash scripts/check-wayland.sh (logs: build/wayland/)" \
        bash scripts/check-wayland.sh
    check "check-focus.sh openbox" "bash scripts/check-focus.sh openbox" \
        bash scripts/check-focus.sh openbox
    for walk in "${focus[@]}"; do
        # shellcheck disable=SC2086 # the walk's window manager, step and start
        focus_end $walk
    done
fi
echo
echo "test.sh, $preset preset:"
printf '  %s\n' "${results[@]}"
echo "test.sh: $((${#results[@]} - failed)) passed, $failed failed"
exit $((failed > 0))
