#!/usr/bin/env bash
# Opens a picture through the picture chooser under Xvfb with a throw-away home: Alt+M, a
# favorite added through the file list's popup, a double click on the row, a game of nine,
# and the favorites file written at the end.
set -euo pipefail
program=$(realpath "$1")
probe=$(realpath "$2")
here=$(dirname "$(realpath "$0")")
home=$(mktemp -d /tmp/tessaly-e2e-XXXXXX)
source "$(dirname "$(realpath "$0")")/../common/stop-and-clean.sh"
trap 'remove_home "$home"' EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
xvfb-run -a -s "-screen 0 1280x1024x24" bash "$here/chooser-session.sh" "$program" "$probe"
