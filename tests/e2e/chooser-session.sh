#!/usr/bin/env bash
# The part of the chooser test that runs inside the X server (see chooser.sh).
set -uo pipefail
program=$1
probe=$2
fail() { echo "FAIL: $*"; kill "${game:-}" 2>/dev/null; exit 1; }

source "$(dirname "${BASH_SOURCE[0]}")/../common/x-session.sh"

# The remembered folder holds one 800 x 600 picture.
pictures="$HOME/Bilder/Urlaub"
mkdir -p "$pictures" "$XDG_CONFIG_HOME/Tessaly"
"$probe" picture "$pictures/a.JPG" 800 600 || fail "cannot write the picture"
printf '[DIALOG]\r\nPath=%s/\r\n' "$pictures" > "$XDG_CONFIG_HOME/Tessaly/tessaly.ini"

"$program" &
game=$!
window=$(find_window '^Tessaly$' 30) || fail "main window did not appear"
sleep 1

# A second start with the picture hands it to this game, which opens it and asks for a
# game; the second start ends without a notice.
"$program" "$pictures/a.JPG" &
second=$!
mode=$(find_window '^Spiel starten$' 20) || fail "the picture of a second start did not open"
wait $second || fail "second start with a picture ended with an error"
xdotool search --onlyvisible --name '^Information$' >/dev/null 2>&1 && fail "second start with a picture showed a notice"
xdotool windowactivate --sync "$mode" key Escape
sleep 0.5
echo "picture of a second start opened in the running game"

xdotool windowactivate --sync "$window" key alt+m
chooser=$(find_window '^Bilddatei öffnen$' 20) || fail "no chooser on Alt+M"
sleep 0.5
geometry=$(xdotool getwindowgeometry "$chooser" | grep Geometry | awk '{print $2}')
[ "$geometry" = "720x640" ] || fail "chooser is $geometry, not 720x640"
echo "chooser open at $geometry"

# The first row of the file list: panel at 330, 32, list at 8, 36 inside it.
row_x=398
row_y=77
xdotool mousemove --window "$chooser" $row_x $row_y click 1
sleep 0.3
xdotool click 3
sleep 0.7
# The popup opens under the pointer; its second item adds the picture to the favorites.
xdotool key Down Down Return
documents=$(HOME="$HOME" xdg-user-dir DOCUMENTS 2>/dev/null || echo "$HOME/Documents")
[ -d "$documents/Tessaly" ] || documents="$HOME/Documents"
favorites="$documents/Tessaly/Favoriten"
wait_for 10 test -f "$favorites/th_a.jpg" || fail "no thumbnail written"
size=$("$probe" size "$favorites/th_a.jpg")
[ "$size" = "133x100" ] || fail "thumbnail is $size, not 133x100"
echo "favorite added with a $size thumbnail"

# A double click on the row opens the picture and the game start dialog.
xdotool mousemove --window "$chooser" $row_x $row_y click --repeat 2 --delay 120 1
mode=$(find_window '^Spiel starten$' 20) || fail "no game start dialog after the double click"
sleep 0.7
# The board shows the picture, 10 pixels from the play area's right and top edge; the play
# area starts 18 pixels from the window's left edge and 62 from its top.
read -r left length < <("$probe" run "$window" 132)
[ "$left" = 205 ] && [ "$length" = 667 ] ||
    fail "board shows the picture from $left over $length pixels, not from 205 over 667"
echo "board 667 wide at 187 in the play area"

xdotool mousemove --window "$mode" 70 199 click 1
sleep 1
xdotool search --onlyvisible --name '^Spiel starten' >/dev/null 2>&1 && fail "size button did not start a game"
read -r left length < <("$probe" run "$window" 132)
[ "$length" -lt 200 ] || fail "board still shows the whole picture: the game did not start"
echo "game of nine started"

# Alt+B asks; Enter confirms; the favorites are written at the end.
quit_game
cmp -s <(printf '%s/a.JPG\r\n' "$pictures") "$favorites/Favorite.dat" ||
    fail "Favorite.dat is not the path with CR LF: $(od -c "$favorites/Favorite.dat" | head -3)"
echo "Favorite.dat holds the path ending in CR LF"
echo "1 passed, 0 failed"
