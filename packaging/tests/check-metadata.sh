#!/usr/bin/env bash
# The menu entry and the AppStream metadata, as the desktop's own validators
# see them: check-metadata.sh <file.desktop> <file.metainfo.xml>
set -euo pipefail
desktop=$1 metainfo=$2

for tool in desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

# desktop-file-validate prints hints and warnings but exits 0 on them; we
# want a clean entry.
out=$(desktop-file-validate "$desktop" 2>&1) || { echo "$out"; exit 1; }
[ -z "$out" ] || { echo "desktop-file-validate: $out"; exit 1; }

appstreamcli validate --no-net --pedantic "$metainfo"

# The metadata names the entry it launches, and the entry is named after the id.
id=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$metainfo")
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  { echo "the metainfo does not launch $id.desktop"; exit 1; }
[ "$(basename "$desktop")" = "$id.desktop" ] ||
  { echo "the desktop file is not named $id.desktop"; exit 1; }
echo "desktop entry and metainfo valid"
