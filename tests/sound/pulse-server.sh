#!/usr/bin/env bash
# Starts a private sound server with a null sink in $XDG_RUNTIME_DIR, in the background,
# waits until it answers and prints its process id. Extra arguments go to the server.
# The server's log is $XDG_RUNTIME_DIR/pulseaudio.log.
set -euo pipefail
pulseaudio -n --daemonize=no --exit-idle-time=-1 "$@" \
    --load=module-null-sink --load=module-native-protocol-unix \
    >>"$XDG_RUNTIME_DIR/pulseaudio.log" 2>&1 </dev/null &
server=$!
for _ in $(seq 1 50); do
    pactl info >/dev/null 2>&1 && break
    sleep 0.2
done
if ! pactl info >/dev/null 2>&1; then
    cat "$XDG_RUNTIME_DIR/pulseaudio.log" >&2
    kill "$server" 2>/dev/null
    exit 1
fi
echo "$server"
