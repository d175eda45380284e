#!/usr/bin/env bash
# The part of the smoke test that runs inside the X server (see smoke.sh).
set -uo pipefail
program=$1
fail() { echo "FAIL: $*"; kill "${game:-}" 2>/dev/null; exit 1; }

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

"$program" &
game=$!
window=$(find_window '^Tessaly$' 30) || fail "main window did not appear"
sleep 1
geometry=$(xdotool getwindowgeometry "$window" | grep Geometry | awk '{print $2}')
[ "$geometry" = "900x700" ] || fail "main window is $geometry, not 900x700"
echo "main window mapped at $geometry"

# A second copy shows its notice and ends; the first stays.
"$program" &
second=$!
notice=$(find_window '^Information$' 20) || fail "second start showed no notice"
xdotool windowactivate --sync "$notice" key Return
wait $second || fail "second start ended with an error"
kill -0 $game 2>/dev/null || fail "first copy ended when the second started"
sleep 0.5
main_windows=0
for id in $(xdotool search --onlyvisible --name '^Tessaly$' 2>/dev/null); do
    xdotool getwindowgeometry "$id" 2>/dev/null | grep -q 'Geometry: 900x700' && main_windows=$((main_windows + 1))
done
[ "$main_windows" = 1 ] || fail "$main_windows main windows instead of one"
echo "second start refused"

# Alt+B asks; Enter confirms.
xdotool windowactivate --sync "$window"
xdotool key --window "$window" alt+b
question=$(find_window '^Beenden$' 20) || fail "no question on Alt+B"
xdotool windowactivate --sync "$question" key Return
for _ in $(seq 1 50); do
    kill -0 $game 2>/dev/null || break
    sleep 0.2
done
kill -0 $game 2>/dev/null && fail "program still runs after confirming"
wait $game
code=$?
[ $code -eq 0 ] || fail "exit code $code"
echo "1 passed, 0 failed"
