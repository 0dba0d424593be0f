#!/usr/bin/env bash
# Starts Kubatrix. Without a display, shows it on a virtual one instead,
# saves a screenshot and exits, so that `make run` never hangs.
set -euo pipefail
binary=$1

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$binary"
fi

shot=build/kubatrix.png
echo "No display found (neither DISPLAY nor WAYLAND_DISPLAY is set)."
echo "Starting Kubatrix on a virtual display to take a screenshot instead."
xvfb-run --auto-servernum --server-args="-screen 0 800x600x24" \
  bash -c '
    "$1" & app=$!
    for _ in $(seq 50); do
      sleep 0.2
      xwininfo_out=$(import -window root -silent png:- 2>/dev/null | wc -c) || true
      [ "$xwininfo_out" -gt 0 ] && kill -0 "$app" 2>/dev/null && break
    done
    sleep 1.5
    import -window root "$2"
    kill "$app" 2>/dev/null || true
    wait "$app" 2>/dev/null || true
  ' _ "$binary" "$shot"
echo "Screenshot saved: $shot"
