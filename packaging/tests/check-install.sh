#!/usr/bin/env bash
# `cmake --install` of a built tree into a scratch root: the program, its menu
# entry, metadata and icons land where the desktop looks for them.
# check-install.sh <build dir> <app id>
set -euo pipefail
build=$1 id=$2
here=$(dirname "$0")
source "$here/expect-files.sh"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
DESTDIR="$tmp/root" cmake --install "$build" --prefix /usr >/dev/null
expect_installed "$tmp/root/usr" "$id"

# Everything lands under the prefix, nothing beside it.
stray=$(find "$tmp/root" -mindepth 1 -maxdepth 1 ! -name usr)
[ -z "$stray" ] || { echo "installed outside /usr: $stray"; exit 1; }

# The installed entry and metadata belong together, as AppStream sees them.
if command -v appstreamcli >/dev/null; then
  appstreamcli validate-tree --no-net "$tmp/root"
fi
echo "install tree complete"
