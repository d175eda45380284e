# Shared by the test sessions that run inside an X server: a window manager for the
# session's lifetime, and waits for windows and conditions. Source it after `set -u`.

openbox >/dev/null 2>&1 &
wm=$!
source "$(dirname "${BASH_SOURCE[0]}")/stop-and-clean.sh"
trap 'stop_processes $wm' EXIT
sleep 1

find_window() { # name, seconds
    local deadline=$((SECONDS + $2))
    while [ $SECONDS -lt $deadline ]; do
        local id
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.3
    done
    return 1
}

wait_for() { # seconds, command...
    local deadline=$((SECONDS + $1))
    shift
    while [ $SECONDS -lt $deadline ]; do
        "$@" && return 0
        sleep 0.3
    done
    return 1
}

quit_game() { # Alt+B on $window, Enter on the question; the game $game must end with 0.
    xdotool windowactivate --sync "$window" key alt+b
    local question code
    question=$(find_window '^Beenden$' 20) || fail "no question on Alt+B"
    xdotool windowactivate --sync "$question" key Return
    for _ in $(seq 1 50); do
        kill -0 "$game" 2>/dev/null || break
        sleep 0.2
    done
    kill -0 "$game" 2>/dev/null && fail "program still runs after confirming"
    wait "$game"
    code=$?
    [ $code -eq 0 ] || fail "exit code $code"
}
