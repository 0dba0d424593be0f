#!/usr/bin/env bash
# Pictures of Kubatrix for review and for the README, without a display of
# our own: the real program on a virtual X display, shot from the screen
# (the window as the X server shows it), and the windows rendered offscreen
# by tools/screenshots (the window after a calculation, the about dialog,
# the help window).
# screenshot.sh <kubatrix binary> <screenshots tool> <output folder>
set -euo pipefail
binary=$1 tool=$2 out=$3
mkdir -p "$out"

bash "$(dirname "$0")/xvfb-shot.sh" "$binary" "$out/screenshot.png"
echo "The running program: $out/screenshot.png"

QT_QPA_PLATFORM=offscreen "$tool" "$out/screenshots"
