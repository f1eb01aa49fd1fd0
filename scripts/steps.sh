# shellcheck shell=bash
# Steps that run in the background, each in a process group of its own, for the scripts that
# must stop all they started on a signal (.ci/run, check-debian.sh); source it, do not run it.
# A step is waited for, so that a signal ends the wait, and the script, at once: bash runs a
# trap only once the command in the foreground has ended. Its own group (set -m), because a step
# started with & alone ignores SIGINT, and would go on after the script has ended.
steps=()

# step COMMAND...: starts COMMAND in the background as a step; $! is its process group.
step() {
    set -m
    "$@" &
    set +m
    steps+=($!)
}

# signal_steps SIGNAL: sends SIGNAL to every step's group that is still the script's own. A
# step's number is free again once all that it started has ended, and the machine may have
# given it to any process since: a group is skipped whose leader runs, but not as our child.
signal_steps() {
    local group parent
    for group in "${steps[@]}"; do
        if parent=$(ps -o ppid= -p "$group") && [ "${parent// /}" != $$ ]; then
            continue
        fi
        kill "-$1" -- "-$group" 2> /dev/null || true
    done
}

# end_steps: tells every step's group to end, and waits for them all: a step may still clean up
# after itself (a check's own trap stops what it started), which takes a few seconds.
end_steps() {
    signal_steps TERM
    wait || true
}
