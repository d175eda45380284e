#!/usr/bin/env bash
# Inside the X server (see sound-e2e.sh): no connection to the server before the first
# sound, the game's stream on the server once a game starts, sound while it runs, digital
# silence two seconds after the pause, sound again after it, a game that goes on silently
# while the server restarts and is heard again in a new game, and a game whose first sounds
# found no server that is heard in a new game once the server has started.
set -uo pipefail
program=$1
here=$(dirname "$(realpath "${BASH_SOURCE[0]}")")
passed=0
fail() { echo "FAIL: $*"; kill "${game:-}" 2>/dev/null; echo "$passed passed, 1 failed"; exit 1; }
pass() { echo "ok: $*"; passed=$((passed + 1)); }

source "$here/../common/x-session.sh"

# The RMS or the maximum amplitude (0..1) of what the null sink plays during the next
# `seconds`.
recorded() { # "RMS" or "Maximum", seconds
    local file
    file=$(mktemp /tmp/tessaly-rec-XXXXXX.raw)
    timeout "$2" parec -d null.monitor --raw --format=s16le --rate=44100 --channels=2 >"$file" 2>/dev/null
    [ -s "$file" ] || { echo 0; rm -f "$file"; return; }
    sox -t raw -r 44100 -e signed-integer -b 16 -c 2 "$file" -n stat 2>&1 |
        awk -v what="$1" '$1 == what && $2 == "amplitude:" { print $3 }'
    rm -f "$file"
}
recorded_rms() { recorded RMS "$1"; }
game_streams() { pactl list sink-inputs 2>/dev/null | grep -c "application.process.id = \"$game\""; }

# A 9-piece game: Alt+S and the size button "9".
new_game() {
    xdotool windowactivate --sync "$window" key alt+s
    local dialog
    dialog=$(find_window '^Spiel starten$' 20) || fail "no game start dialog on Alt+S"
    sleep 0.5
    xdotool mousemove --window "$dialog" 70 199 click 1
}
louder() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }

"$program" &
game=$!
window=$(find_window '^Tessaly$' 30) || fail "main window did not appear"
sleep 1

[ "$(game_streams)" = 0 ] || fail "the game connected before it had a sound to play"
pass "no connection before the first sound"

new_game
sleep 1.5
[ "$(game_streams)" = 1 ] || fail "no stream of the game on the server: $(pactl list sink-inputs)"
pass "the game's stream is on the server"
rms=$(recorded_rms 2)
louder "$rms" 0.003 || fail "no sound during the game (RMS $rms)"
pass "sound while the game runs (RMS $rms)"

xdotool windowactivate --sync "$window" key alt+p
sleep 2
peak=$(recorded Maximum 1.5)
louder "$peak" 0 && fail "still sound 2 s after the pause (peak $peak)"
pass "digital silence 2 s after the pause"

xdotool windowactivate --sync "$window" key alt+p
sleep 1.5
rms=$(recorded_rms 2)
louder "$rms" 0.003 || fail "no music after the pause ended (RMS $rms)"
pass "music again after the pause (RMS $rms)"

# The server restarts: the game goes on, silent and without a message, while it is away
# and while the sound comes back (the pause's sounds meanwhile), and a new game is heard.
kill "$TESSALY_E2E_SERVER"
sleep 1
kill -0 $game 2>/dev/null || fail "the game ended when the server went away"
bash "$here/pulse-server.sh" --disable-shm >"$TESSALY_E2E_SECOND_SERVER_FILE" || fail "the server did not start again"
xdotool windowactivate --sync "$window" key alt+p
sleep 1.2
xdotool windowactivate --sync "$window" key alt+p
sleep 1.2
find_window '^Information$' 1 >/dev/null && fail "a message appeared"
pass "the game goes on while the server restarts"
new_game
sleep 1.5
rms=$(recorded_rms 2)
louder "$rms" 0.003 || fail "no sound in a new game after the server restarted (RMS $rms)"
pass "sound in a new game after the server restarted (RMS $rms)"
quit_game
pass "orderly exit"

# A server that starts after the game's first sounds: a new game is heard.
kill "$(cat "$TESSALY_E2E_SECOND_SERVER_FILE")"
sleep 0.5
"$program" &
game=$!
window=$(find_window '^Tessaly$' 30) || fail "main window did not appear without a server"
new_game
sleep 5
bash "$here/pulse-server.sh" --disable-shm >"$TESSALY_E2E_SECOND_SERVER_FILE" || fail "the server did not start late"
new_game
sleep 1.5
rms=$(recorded_rms 2)
louder "$rms" 0.003 || fail "no sound in a new game after the server started late (RMS $rms)"
pass "sound in a new game after the server started late (RMS $rms)"
quit_game
echo "$passed passed, 0 failed"
