# Sourced by the install and package checks: what a Kubatrix install under a
# prefix holds. expect_installed <root of the prefix, e.g. $tmp/usr> <app id>
expect_installed() {
  local root=$1 id=$2 failed=0 size
  local files=(
    "bin/kubatrix"
    "bin/kubatrix-calc"
    "share/man/man1/kubatrix-calc.1.gz"
    "share/applications/$id.desktop"
    "share/metainfo/$id.metainfo.xml"
    "share/icons/hicolor/scalable/apps/kubatrix.svg"
    "share/doc/kubatrix/copyright"
  )
  for size in 16 32 48 64 128 256; do
    files+=("share/icons/hicolor/${size}x${size}/apps/kubatrix.png")
  done
  for f in "${files[@]}"; do
    [ -s "$root/$f" ] || { echo "missing: $f"; failed=1; }
  done
  for f in bin/kubatrix bin/kubatrix-calc; do
    [ -x "$root/$f" ] || { echo "not executable: $f"; failed=1; }
  done
  # The manual page is set without a warning from man or groff.
  local page="$root/share/man/man1/kubatrix-calc.1.gz" warnings
  if [ -s "$page" ] && command -v man >/dev/null; then
    warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || { echo "kubatrix-calc.1: $warnings"; failed=1; }
    MANWIDTH=80 man -l "$page" 2>/dev/null | grep -q '^EXAMPLES' ||
      { echo "kubatrix-calc.1 has no examples"; failed=1; }
  fi

  # The copyright file names every section table compiled in, with its
  # source and licence, so that a packager can tell which is which.
  local tables csv copyright="$root/share/doc/kubatrix/copyright"
  tables="$(dirname "${BASH_SOURCE[0]}")/../../catalogue/sections"
  for csv in "$tables"/*.csv; do
    [ -s "$copyright" ] || break
    grep -q "catalogue/sections/$(basename "$csv")\$" "$copyright" ||
      { echo "the copyright file does not name $(basename "$csv")"; failed=1; }
  done
  grep -q '^License: GPL-3.0-or-later$' "$copyright" 2>/dev/null ||
    { echo "the copyright file does not give Kubatrix's licence"; failed=1; }

  # Each PNG is a PNG of its size: width and height from the IHDR chunk.
  for size in 16 32 48 64 128 256; do
    local png="$root/share/icons/hicolor/${size}x${size}/apps/kubatrix.png"
    [ -s "$png" ] || continue
    local magic dims
    magic=$(od -An -tx1 -N8 "$png" | tr -d ' \n')
    dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')
    [ "$magic" = "89504e470d0a1a0a" ] || { echo "not a PNG: $png"; failed=1; }
    [ "$dims" = "${size}x${size}" ] || { echo "$png is $dims"; failed=1; }
  done
  return $failed
}
