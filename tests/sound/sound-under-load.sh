#!/usr/bin/env bash
# The engine under load (sound_under_load) against a private sound server with a null sink,
# in a throw-away home and runtime folder. The server asks for real-time scheduling as a
# desktop's server does, and runs without it where that is refused.
set -euo pipefail
program=$(realpath "$1")
shift
home=$(mktemp -d /tmp/tessaly-load-XXXXXX)
export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset PULSE_SERVER

pulseaudio -n --daemonize=no --exit-idle-time=-1 --disable-shm --high-priority=yes \
    --realtime=yes --load=module-null-sink --load=module-native-protocol-unix \
    >"$home/pulseaudio.log" 2>&1 &
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
"$program" "$@"
