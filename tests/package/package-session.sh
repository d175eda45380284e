#!/usr/bin/env bash
# The part of the package test that runs inside the X server (see package.sh): the unpacked
# program starts to its window with the motif board, refuses a second copy (which hands a
# picture it was given to the first), and opens a picture named on its command line, a PNG
# too (which its own picture reader decodes).
set -uo pipefail
root=$1
probe=$2
picture=$3
work=$4
png=$5
program="$root/usr/games/tessaly"
fail() { echo "FAIL: $*"; kill "${game:-}" 2>/dev/null; exit 1; }
# The machine's print system is never asked: the program finds no print server.
export CUPS_SERVER="$work/no-print-server"

openbox >/dev/null 2>&1 &
wm=$!
source "$(dirname "$(realpath "$0")")/../common/stop-and-clean.sh"
trap 'stop_processes $wm' EXIT
sleep 1

# Visible windows of that name and size.
windows() { # name, size
    for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
        xdotool getwindowgeometry "$id" 2>/dev/null | grep "Geometry: $2\$" >/dev/null && echo "$id"
    done
}
wait_window() { # name, size, seconds
    local deadline=$((SECONDS + $3)) id
    while [ $SECONDS -lt $deadline ]; do
        id=$(windows "$1" "$2" | head -1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.02
    done
    return 1
}
wait_any() { # name, seconds
    local deadline=$((SECONDS + $2)) id
    while [ $SECONDS -lt $deadline ]; do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}
wait_exit() { # pid, seconds
    local deadline=$((SECONDS + $2))
    while kill -0 "$1" 2>/dev/null; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.1
    done
    wait "$1"
}
quit() { # window
    xdotool windowactivate --sync "$1" key alt+b
    local question
    question=$(wait_any '^Beenden$' 20) || fail "no question on Alt+B"
    xdotool windowactivate --sync "$question" key Return
    wait_exit $game 20 || fail "program ended with an error or not at all"
}

# A plain start: the window with its motif board, from the unpacked tree alone.
start_ns=$(date +%s%N)
"$program" &
game=$!
window=$(wait_window '^Tessaly$' 900x700 30) || fail "main window did not appear"
end_ns=$(date +%s%N)
echo "unpacked program mapped its 900x700 window after $(((end_ns - start_ns) / 1000000)) ms"
grep -q " $root/usr/lib/tessaly/libtsmotive.so\$" /proc/$game/maps ||
    fail "the motif library was not loaded from the unpacked tree"
grep -q " $root/usr/lib/tessaly/libtsaudio.so\$" /proc/$game/maps ||
    fail "the audio engine was not loaded from the unpacked tree"
sleep 1
[ "$(windows '^Tessaly$' '[0-9]*x[0-9]*' | wc -l)" = 1 ] ||
    fail "more than the main window shows (help file not found?)"
read -r width height bluish < <("$probe" shot "$window" "$work/start.png")
[ "$width $height" = "900 700" ] || fail "window grabbed as $width x $height"
awk -v b="$bluish" 'BEGIN { exit !(b > 5) }' || fail "no motif on the board ($bluish % bluish)"
[ -n "${TESSALY_PACKAGE_SHOTS:-}" ] && cp "$work/start.png" "$TESSALY_PACKAGE_SHOTS/"
echo "motif board shown ($bluish % of the play area is sky)"

# A second copy without a picture says that the program runs; with one, it hands the
# picture to the first, which opens it into its game start dialog.
"$program" &
second=$!
notice=$(wait_any '^Information$' 20) || fail "second start showed no notice"
xdotool windowactivate --sync "$notice" key Return
wait_exit $second 20 || fail "second start ended with an error"
kill -0 $game 2>/dev/null || fail "first copy ended when the second started"
sleep 0.5
mains=$(windows "^Tessaly$" 900x700 | wc -l)
[ "$mains" = 1 ] || fail "$mains main windows instead of one"
"$program" "$picture" &
second=$!
dialog=$(wait_any '^Spiel starten$' 20) || fail "the second copy's picture did not reach the first"
wait_exit $second 20 || fail "second start with a picture ended with an error"
xdotool search --onlyvisible --name '^Information$' >/dev/null 2>&1 &&
    fail "second start with a picture showed a notice"
xdotool windowactivate --sync "$dialog" key Escape
sleep 0.5
echo "second start refused"

# Printing is loaded when the player prints, from the unpacked tree, and not before.
grep -q "/libcups\.so" /proc/$game/maps && fail "the print system's library was loaded before printing"
xdotool windowactivate --sync "$window" key F2
statist=$(wait_any '^Statistik$' 20) || fail "no statistics window on F2"
sleep 0.5
xdotool mousemove --window "$statist" 66 481 click 1
preview=$(wait_any 'Druckvorschau$' 20) || fail "no print preview on Drucken"
grep -q " $root/usr/lib/tessaly/libtsprint.so\$" /proc/$game/maps ||
    fail "the printing module was not loaded from the unpacked tree"
xdotool windowactivate --sync "$preview" key Escape
sleep 0.5
xdotool windowactivate --sync "$statist" key Escape
sleep 0.5
echo "printing module loaded from the unpacked tree when asked for"
quit "$window"

# A missing picture: the notice, then the main window as after a plain start.
"$program" "$work/Fehlt.jpg" &
game=$!
window=$(wait_window '^Tessaly$' 900x700 30) || fail "main window did not appear"
notice=$(wait_any '^Information$' 20) || fail "no notice for the missing picture"
xdotool windowactivate --sync "$notice" key Return
sleep 1
xdotool search --onlyvisible --name '^Information$' >/dev/null 2>&1 && fail "notice stayed"
xdotool search --onlyvisible --name '^Spiel starten$' >/dev/null 2>&1 &&
    fail "game start dialog after a missing picture"
kill -0 $game 2>/dev/null || fail "program ended after the notice"
echo "missing picture named, main window goes on"
quit "$window"

# An 800 x 600 JPEG: the game start dialog opens over the main window.
"$program" "$picture" &
game=$!
window=$(wait_window '^Tessaly$' 900x700 30) || fail "main window did not appear"
dialog=$(wait_any '^Spiel starten$' 20) || fail "no game start dialog for the picture"
xdotool windowactivate --sync "$dialog" key Escape
sleep 0.5
"$probe" shot "$window" "$work/picture.png" >/dev/null
[ -n "${TESSALY_PACKAGE_SHOTS:-}" ] && cp "$work/picture.png" "$TESSALY_PACKAGE_SHOTS/"
echo "picture opened into the game start dialog"
quit "$window"

# An 800 x 600 PNG, decoded by the picture reader from the unpacked tree: the same.
"$program" "$png" &
game=$!
window=$(wait_window '^Tessaly$' 900x700 30) || fail "main window did not appear"
dialog=$(wait_any '^Spiel starten$' 20) || fail "no game start dialog for the PNG (picture reader not found?)"
xdotool windowactivate --sync "$dialog" key Escape
sleep 0.5
echo "PNG opened into the game start dialog"
quit "$window"
echo "1 passed, 0 failed"
