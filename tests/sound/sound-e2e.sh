#!/usr/bin/env bash
# The game under a private sound server: a PulseAudio of its own with a null sink, in a
# throw-away home and runtime folder, and the game in Xvfb (see sound-e2e-session.sh).
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
home=$(mktemp -d /tmp/tessaly-sound-XXXXXX)
export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM PULSE_SERVER

pulseaudio -n --daemonize=no --exit-idle-time=-1 --disable-shm \
    --load=module-null-sink --load=module-native-protocol-unix >"$home/pulseaudio.log" 2>&1 &
server=$!
cleanup() {
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
    rm -rf "$home"
}
trap cleanup EXIT
for _ in $(seq 1 50); do
    pactl info >/dev/null 2>&1 && break
    sleep 0.2
done
pactl info >/dev/null 2>&1 || { cat "$home/pulseaudio.log"; echo "FAIL: no sound server"; exit 1; }
export TESSALY_E2E_SERVER=$server
xvfb-run -a -s "-screen 0 1280x1024x24" bash "$here/sound-e2e-session.sh" "$program"
