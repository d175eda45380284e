#!/usr/bin/env bash
# The game and its scale tests on a real X server whose desktop is scaled: by
# QT_SCALE_FACTOR 2 and 1.5, and by the desktop's font resolution (Xft.dpi 192, no
# variable at all). The main window must cover 900 x 700 pixels times the scale.
set -euo pipefail
program=$(realpath "$1")
tests=$(realpath "$2")
here=$(dirname "$(realpath "$0")")
home=$(mktemp -d /tmp/tessaly-scale-XXXXXX)
source "$(dirname "$(realpath "$0")")/../common/stop-and-clean.sh"
trap 'remove_home "$home"' EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_FONT_DPI
xvfb-run -a -s "-screen 0 2400x1800x24" bash "$here/screen-scale-session.sh" "$program" "$tests"
