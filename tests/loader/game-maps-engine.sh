#!/usr/bin/env bash
# The real game maps its carried library image at start-up and so brings the audio engine
# in: its memory map shows libtsaudio.so although the program does not link it. The sound
# server's output (libtssink.so, Qt's multimedia module, the server's client) waits for the
# first sound.
set -uo pipefail
program=$(realpath "$1")
fail() { echo "FAIL: $*"; [ -n "${game:-}" ] && kill "$game" 2>/dev/null; exit 1; }

if readelf -d "$program" | grep 'NEEDED.*libtsaudio' >/dev/null; then
    fail "the program links libtsaudio.so"
fi
if ldd "$program" | grep libtsaudio >/dev/null; then
    fail "ldd shows libtsaudio.so"
fi

home=$(mktemp -d /tmp/tessaly-loader-XXXXXX)
source "$(dirname "$(realpath "$0")")/../common/stop-and-clean.sh"
trap 'remove_home "$home"' EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=offscreen

"$program" &
game=$!
deadline=$((SECONDS + 30))
found=""
while [ $SECONDS -lt $deadline ] && kill -0 "$game" 2>/dev/null; do
    found=$(grep -m1 'libtsaudio\.so' "/proc/$game/maps" 2>/dev/null || true)
    [ -n "$found" ] && break
    sleep 0.2
done
[ -n "$found" ] || fail "libtsaudio.so never appeared in the game's memory map"
echo "mapped: ${found##* }"
sleep 1
early=$(grep -o -m1 'libtssink\.so\|libQt6Multimedia[^ ]*\|libpulse\.so[^ ]*' "/proc/$game/maps")
[ -z "$early" ] || fail "$early is mapped before the first sound"
kill "$game"
wait "$game" 2>/dev/null
echo "PASS"
