#!/usr/bin/env bash
# Starts Kubatrix. Without a display, shows it on a virtual one instead,
# saves a screenshot and exits, so that `make run` never hangs.
set -euo pipefail
binary=$1
shot=${2:-build/kubatrix.png}

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$binary"
fi

echo "No display found (neither DISPLAY nor WAYLAND_DISPLAY is set)."
echo "Starting Kubatrix on a virtual display to take a screenshot instead."
mkdir -p "$(dirname "$shot")"
bash "$(dirname "$0")/xvfb-shot.sh" "$binary" "$shot"
echo "Screenshot saved: $shot"
