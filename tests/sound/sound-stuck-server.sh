#!/usr/bin/env bash
# The game with a sound server that accepts and never answers (silent_server), in Xvfb and
# a throw-away home: a game starts (its sounds try to reach the server), the player quits,
# and the program must end soon after, so that a new start gets its window at once.
set -uo pipefail
program=$(realpath "$1")
server_program=$(realpath "$2")
source "$(dirname "$(realpath "$0")")/../common/stop-and-clean.sh"
home=$(mktemp -d /tmp/tessaly-stuck-XXXXXX)
export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
export PULSE_SERVER="unix:$home/silent.sock"
"$server_program" "$home/silent.sock" &
server=$!
trap 'stop_processes "$server"; remove_home "$home"' EXIT
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    set -uo pipefail
    program=$1
    passed=0
    fail() { echo "FAIL: $*"; kill "${game:-}" 2>/dev/null; echo "$passed passed, 1 failed"; exit 1; }
    pass() { echo "ok: $*"; passed=$((passed + 1)); }
    source "$2/../common/x-session.sh"

    "$program" &
    game=$!
    window=$(find_window "^Tessaly$" 30) || fail "main window did not appear"
    sleep 0.5
    xdotool windowactivate --sync "$window" key alt+s
    dialog=$(find_window "^Spiel starten$" 20) || fail "no game start dialog on Alt+S"
    sleep 0.5
    xdotool mousemove --window "$dialog" 70 199 click 1
    sleep 1
    # quit_game allows the program ten seconds to end after the question is confirmed.
    quit_game
    pass "the program ends soon after quitting although the sound server never answers"

    "$program" &
    game=$!
    window=$(find_window "^Tessaly$" 30) || fail "a new start got no main window"
    find_window "^Information$" 1 >/dev/null && fail "a new start says the program runs already"
    pass "a new start gets its main window"
    quit_game
    echo "$passed passed, 0 failed"
' session "$program" "$(dirname "$(realpath "$0")")"
