#!/usr/bin/env bash
# The Debian package, made with CPack from a built tree (a debug build does,
# for the test), taken apart again: its fields, its files, and whether the
# program finds every library it needs on this machine.
# check-deb.sh <build dir> <app id> <version>
set -euo pipefail
build=$1 id=$2 version=$3
here=$(dirname "$0")
source "$here/expect-files.sh"

for tool in cpack dpkg-deb dpkg-shlibdeps ldd; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/out" >"$tmp/cpack.log" 2>&1 ||
  { cat "$tmp/cpack.log"; exit 1; }
deb=$(find "$tmp/out" -maxdepth 1 -name '*.deb')
[ "$(echo "$deb" | wc -l)" = 1 ] && [ -n "$deb" ] || { echo "no single .deb made"; exit 1; }
[ "$(basename "$deb")" = "kubatrix_${version}_$(dpkg --print-architecture).deb" ] ||
  { echo "unexpected name: $(basename "$deb")"; exit 1; }

failed=0
field() { dpkg-deb -f "$deb" "$1"; }
expect_field() {
  local actual
  actual=$(field "$1")
  [ "$actual" = "$2" ] || { echo "$1: '$actual', expected '$2'"; failed=1; }
}
expect_field Package kubatrix
expect_field Version "$version"
expect_field Section utils
expect_field Architecture "$(dpkg --print-architecture)"
[ -n "$(field Maintainer)" ] || { echo "no Maintainer"; failed=1; }
[ -n "$(field Description)" ] || { echo "no Description"; failed=1; }
depends=$(field Depends)
for dep in fonts-liberation libqt6widgets6 libqt6svg6 libc6; do
  [[ ", $depends," == *", $dep"[\ ,]* ]] || { echo "Depends lacks $dep: $depends"; failed=1; }
done

dpkg-deb -x "$deb" "$tmp/root"
expect_installed "$tmp/root/usr" "$id" || failed=1

missing=$(ldd "$tmp/root/usr/bin/kubatrix" "$tmp/root/usr/bin/kubatrix-calc" | grep 'not found' || true)
[ -z "$missing" ] || { echo "unresolved libraries:"; echo "$missing"; failed=1; }
"$tmp/root/usr/bin/kubatrix-calc" --totals cylinder 2cm 1m --material copper |
  cmp -s - <(printf '2.8086000000\n0.0003141600\n') ||
  { echo "the packaged kubatrix-calc does not weigh a copper rod"; failed=1; }

[ $failed = 0 ] || exit 1
echo "package $(basename "$deb") complete: $(dpkg-deb -c "$deb" | wc -l) entries"
