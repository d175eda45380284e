#!/usr/bin/env bash
# The game under a private sound server: a PulseAudio of its own with a null sink, in a
# throw-away home and runtime folder, and the game in Xvfb (see sound-e2e-session.sh).
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
source "$here/../common/stop-and-clean.sh"
home=$(mktemp -d /tmp/tessaly-sound-XXXXXX)
export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM PULSE_SERVER

server=$(bash "$here/pulse-server.sh" --disable-shm) || { echo "FAIL: no sound server"; exit 1; }
cleanup() {
    # The session starts the server again after stopping it; it leaves the last one's id.
    stop_processes "$server" "$(cat "$home/second-server" 2>/dev/null)"
    remove_home "$home"
}
trap cleanup EXIT
export TESSALY_E2E_SERVER=$server TESSALY_E2E_SECOND_SERVER_FILE="$home/second-server"
xvfb-run -a -s "-screen 0 1280x1024x24" bash "$here/sound-e2e-session.sh" "$program"
