#!/usr/bin/env bash
# Starts a program on a virtual X display, shoots the screen after three
# seconds, then ends the program.
# xvfb-shot.sh <program> <png>
set -euo pipefail
timeout 60 xvfb-run --auto-servernum --server-args="-screen 0 800x560x24" \
  bash -c '
    "$1" & app=$!
    sleep 3
    import -window root "$2"
    kill "$app" 2>/dev/null || true
    wait "$app" 2>/dev/null || true
  ' _ "$1" "$2"
