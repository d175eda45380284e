#!/usr/bin/env bash
# Inside the X server (see sound-e2e.sh): the game's stream on the server, sound while a
# game runs, silence within two seconds of the pause, sound again after it, and a game
# that goes on silently when the server goes away.
set -uo pipefail
program=$1
passed=0
fail() { echo "FAIL: $*"; kill "${game:-}" 2>/dev/null; echo "$passed passed, 1 failed"; exit 1; }
pass() { echo "ok: $*"; passed=$((passed + 1)); }

source "$(dirname "${BASH_SOURCE[0]}")/../common/x-session.sh"

# The RMS amplitude (0..1) of what the null sink plays during the next `seconds`.
recorded_rms() {
    local file
    file=$(mktemp /tmp/tessaly-rec-XXXXXX.raw)
    timeout "$1" parec -d null.monitor --raw --format=s16le --rate=44100 --channels=2 >"$file" 2>/dev/null
    [ -s "$file" ] || { echo 0; rm -f "$file"; return; }
    sox -t raw -r 44100 -e signed-integer -b 16 -c 2 "$file" -n stat 2>&1 |
        awk '/RMS +amplitude/ { print $3 }'
    rm -f "$file"
}
louder() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }

"$program" &
game=$!
window=$(find_window '^Tessaly$' 30) || fail "main window did not appear"
sleep 1

inputs=$(pactl list sink-inputs 2>/dev/null)
echo "$inputs" | grep "application.name = \"QtPulseAudio:$game\"" >/dev/null ||
    fail "no stream of the game on the server: $inputs"
pass "the game's stream is on the server"

# A 9-piece game: Alt+S and the size button "9".
xdotool windowactivate --sync "$window" key alt+s
dialog=$(find_window '^Spiel starten$' 20) || fail "no game start dialog on Alt+S"
sleep 0.5
xdotool mousemove --window "$dialog" 70 199 click 1
sleep 1.5
rms=$(recorded_rms 2)
louder "$rms" 0.003 || fail "no sound during the game (RMS $rms)"
pass "sound while the game runs (RMS $rms)"

xdotool windowactivate --sync "$window" key alt+p
sleep 2
rms=$(recorded_rms 1.5)
louder "$rms" 0.0003 && fail "still sound 2 s after the pause (RMS $rms)"
pass "silence within 2 s of the pause (RMS $rms)"

xdotool windowactivate --sync "$window" key alt+p
sleep 1.5
rms=$(recorded_rms 2)
louder "$rms" 0.003 || fail "no music after the pause ended (RMS $rms)"
pass "music again after the pause (RMS $rms)"

# The server goes away: the game goes on, silent and without a message.
kill "$TESSALY_E2E_SERVER"
sleep 2
kill -0 $game 2>/dev/null || fail "the game ended when the server went away"
xdotool windowactivate --sync "$window" key alt+p
sleep 1.2
xdotool windowactivate --sync "$window" key alt+p
sleep 1.2
find_window '^Information$' 1 >/dev/null && fail "a message appeared"
pass "the game goes on without the server"

quit_game
pass "orderly exit"
echo "$passed passed, 0 failed"
