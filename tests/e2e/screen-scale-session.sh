#!/usr/bin/env bash
# The part of the scale test that runs inside the X server (see screen-scale.sh).
set -uo pipefail
program=$1
tests=$2
fail() { echo "FAIL: $*"; kill "${game:-}" 2>/dev/null; exit 1; }

source "$(dirname "${BASH_SOURCE[0]}")/../common/x-session.sh"

# The game window at each scale, as the window manager sees it.
check_window() { # expected geometry, then environment assignments (none: the desktop's)
    local expected=$1
    shift
    env "$@" "$program" &
    game=$!
    window=$(find_window '^Tessaly$' 30) || fail "main window did not appear ($*)"
    sleep 1
    local geometry
    geometry=$(xdotool getwindowgeometry "$window" | grep Geometry | awk '{print $2}')
    [ "$geometry" = "$expected" ] || fail "main window is $geometry, not $expected ($*)"
    echo "main window $geometry with ${*:-Xft.dpi 192}"
    quit_game
}

# The scale tests themselves on this server: sizes, sharpness, a game by dragging.
run_tests() { # environment assignments
    env TESSALY_TEST_PLATFORM=xcb "$@" "$tests" --gtest_brief=1 >"$HOME/tests.log" 2>&1 ||
        { cat "$HOME/tests.log"; fail "scale tests failed with $*"; }
    echo "scale tests passed with ${*:-Xft.dpi 192}"
}

check_window 1800x1400 QT_SCALE_FACTOR=2
run_tests QT_SCALE_FACTOR=2
check_window 1350x1050 QT_SCALE_FACTOR=1.5
run_tests QT_SCALE_FACTOR=1.5

# The desktop's own setting: twice the font resolution means twice the size.
xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "$(printf 'Xft.dpi:\t192\n')"
check_window 1800x1400
run_tests
echo "1 passed, 0 failed"
