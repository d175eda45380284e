#!/usr/bin/env bash
# The part of the smoke test that runs inside the X server (see smoke.sh).
set -uo pipefail
program=$1
fail() { echo "FAIL: $*"; kill "${game:-}" 2>/dev/null; exit 1; }

source "$(dirname "${BASH_SOURCE[0]}")/../common/x-session.sh"

"$program" &
game=$!
window=$(find_window '^Tessaly$' 30) || fail "main window did not appear"
sleep 1
geometry=$(xdotool getwindowgeometry "$window" | grep Geometry | awk '{print $2}')
[ "$geometry" = "900x700" ] || fail "main window is $geometry, not 900x700"
echo "main window mapped at $geometry"
# The first window is drawn from pictures ready to draw: no image decoder plugin is loaded
# for it (the first one asked would load them all, and their libraries).
grep -q '/imageformats/' "/proc/$game/maps" && fail "the first window loaded image decoder plugins"
echo "no image decoder loaded at start"

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
    xdotool getwindowgeometry "$id" 2>/dev/null | grep 'Geometry: 900x700' >/dev/null && main_windows=$((main_windows + 1))
done
[ "$main_windows" = 1 ] || fail "$main_windows main windows instead of one"
echo "second start refused"

# A 9-piece game: Alt+S, the size button "9", nine tips, the name confirmed.
# Keys go through the X server as a real keyboard's do (synthetic events sent straight to a
# window confuse the window manager's idea of the modifiers).
xdotool windowactivate --sync "$window" key alt+s
dialog=$(find_window '^Spiel starten$' 20) || fail "no game start dialog on Alt+S"
# The desktop shows each window's own title, with nothing appended.
title=$(xprop -id "$dialog" _NET_WM_NAME | sed -e 's/^[^"]*"//' -e 's/"$//')
[ "$title" = "Spiel starten" ] || fail "the game start dialog is titled \"$title\" on the desktop"
sleep 0.5
xdotool mousemove --window "$dialog" 70 199 click 1
sleep 1
xdotool search --onlyvisible --name '^Spiel starten' >/dev/null 2>&1 && fail "size button did not start a game"
# A tip is ignored while the previous one still moves its piece, so keep asking until the
# congratulation shows.
great=""
for _ in $(seq 1 60); do
    xdotool windowactivate --sync "$window" key alt+t
    sleep 0.7
    for id in $(xdotool search --onlyvisible --name '^Tessaly$' 2>/dev/null); do
        xdotool getwindowgeometry "$id" 2>/dev/null | grep 'Geometry: 320x220' >/dev/null && great=$id
    done
    [ -n "$great" ] && break
done
[ -n "$great" ] || { import -window root /tmp/e2e-fail.png 2>/dev/null; xdotool search --onlyvisible --name "." getwindowname %@ 2>/dev/null; fail "no congratulation after nine tips"; }
xdotool windowactivate --sync "$great" key Return
echo "9-piece game solved with tips"

# The statistics window follows with the new result; Enter closes it.
statistics_window=$(find_window '^Statistik$' 20) || fail "no statistics window after the game"
xdotool windowactivate --sync "$statistics_window" key Return
sleep 0.5
xdotool search --onlyvisible --name '^Statistik$' >/dev/null 2>&1 && fail "statistics window stayed open"
echo "statistics window shown and closed"

# Alt+B asks; Enter confirms.
quit_game

# The confirmed close wrote the settings and the best times.
documents=$(HOME="$HOME" xdg-user-dir DOCUMENTS 2>/dev/null || echo "$HOME/Documents")
[ -d "$documents/Tessaly" ] || documents="$HOME/Documents"
statistics="$documents/Tessaly/tessaly.dat"
settings="$XDG_CONFIG_HOME/Tessaly/tessaly.ini"
[ "$(stat -c %s "$statistics" 2>/dev/null)" = 1500 ] || fail "no 1500-byte $statistics"
head -c 25 "$statistics" | grep "Spieler" >/dev/null || fail "first result is not the player's"
grep -q '^Name=Spieler' "$settings" || fail "settings without the player's name"
grep -q '^Mode=Standard' "$settings" || fail "settings without the mode"
echo "settings and best times written"
echo "1 passed, 0 failed"
