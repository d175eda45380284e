# Shared by the test sessions that run inside an X server: a window manager for the
# session's lifetime, and waits for windows and conditions. Source it after `set -u`.

openbox >/dev/null 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null' EXIT
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
