#!/usr/bin/env bash
# links-no-qt.sh <program>: fails when the program loads any Qt library.
set -euo pipefail
libs=$(ldd "$1")
if grep -i 'libqt' <<<"$libs"; then
  echo "$1 loads Qt"
  exit 1
fi
echo "$1 loads no Qt: $(wc -l <<<"$libs") libraries"
