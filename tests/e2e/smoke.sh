#!/usr/bin/env bash
# Starts the game under Xvfb with a throw-away home, checks the window, refuses a second
# copy, and quits with Alt+B and Enter.
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
home=$(mktemp -d /tmp/tessaly-e2e-XXXXXX)
source "$(dirname "$(realpath "$0")")/../common/stop-and-clean.sh"
trap 'remove_home "$home"' EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
xvfb-run -a -s "-screen 0 1280x1024x24" bash "$here/smoke-session.sh" "$program"
