# Sourced by the test scripts that start servers of their own.
#
# stop_processes PID...: asks each process to end, waits until it has (at most 5 s, then
# kills it), so that nothing still writes into the throw-away home while it is removed.
# The processes need not be children of this shell.
stop_processes() {
    local pid
    for pid in "$@"; do
        [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
    done
    for pid in "$@"; do
        [ -n "$pid" ] || continue
        for _ in $(seq 1 50); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -9 "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    return 0
}

# remove_home DIR: removes the throw-away folder; a process that was still writing there
# when it ended gets another go. Cleaning up never turns a passed test into a failed one.
remove_home() {
    for _ in 1 2 3; do
        rm -rf "$1" 2>/dev/null && return 0
        sleep 0.2
    done
    echo "note: could not remove $1" >&2
    return 0
}
