#!/usr/bin/env bash
# The engine under load (sound_under_load) against a private sound server with a null sink,
# in a throw-away home and runtime folder. The server asks for real-time scheduling as a
# desktop's server does, and its main thread, which hands out the requests for more sound,
# gets it too: what the test measures is the engine, not a starved server. Where real-time
# scheduling is refused, both run without it.
set -euo pipefail
program=$(realpath "$1")
shift
here=$(dirname "$(realpath "$0")")
source "$here/../common/stop-and-clean.sh"
home=$(mktemp -d /tmp/tessaly-load-XXXXXX)
export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset PULSE_SERVER

server=$(bash "$here/pulse-server.sh" --high-priority=yes --realtime=yes) ||
    { echo "FAIL: no sound server"; exit 1; }
trap 'stop_processes "$server"; remove_home "$home"' EXIT
chrt -r -p 5 "$server" 2>/dev/null || true
"$program" "$@"
