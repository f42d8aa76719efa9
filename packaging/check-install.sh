#!/usr/bin/env bash
# Installs the build into a staging prefix and compares the files it got with the expected
# list, so a lost or stray install rule shows up before a package is made.
# Usage: check-install.sh BUILD_DIR EXPECTED_LIST
set -euo pipefail
build=$1 expected=$2
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cmake --install "$build" --prefix "$stage/usr" > "$stage.log" 2>&1 || { cat "$stage.log"; rm -f "$stage.log"; exit 1; }
rm -f "$stage.log"
(cd "$stage/usr" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort) | diff -u "$expected" -
# Each PNG must be the size its folder names: a renderer that ignores the size asked for
# would otherwise go unnoticed.
for png in "$stage"/usr/share/icons/hicolor/*x*/apps/*.png; do
  size=$(basename "$(dirname "$(dirname "$png")")")
  actual=$(file -b "$png" | sed -n 's/^PNG image data, \([0-9]*\) x \([0-9]*\),.*/\1x\2/p')
  [ "$actual" = "$size" ] || { echo "$png is $actual, not $size"; exit 1; }
done
echo "staging install: $(wc -l < "$expected") files as expected"
