#!/usr/bin/env bash
# Checks the Debian package that `make package` made: its files, its control fields and
# lintian's verdict.
# Usage: check-deb.sh BUILD_DIR
set -euo pipefail
build=$1
here=$(dirname "$0")
# The package must carry the version the program reports.
version=$("$build/velkview" --version | sed -n 's/^velkview //p')
deb=$build/velkview_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { echo "no $deb"; ls "$build"/*.deb 2>/dev/null; exit 1; }

dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./usr/||' | LC_ALL=C sort \
  | diff -u "$here/expected-files.txt" - || { echo "the package's files differ from the expected list"; exit 1; }

field() { dpkg-deb -f "$deb" "$1"; }
failed=0
expect() {   # expect FIELD PATTERN: the field's value must match the extended regex
  local value
  value=$(field "$1")
  if ! grep -qE -- "$2" <<< "$value"; then
    echo "$1: '$value' does not match '$2'"
    failed=1
  fi
}
expect Package '^velkview$'
expect Version "^${version//./\\.}$"
expect Section '^science$'
expect Maintainer '^[^<>]+ <[^@<>]+@[^@<>]+>$'
expect Depends 'libqt6widgets6'
expect Depends 'libqt6svg6'
expect Depends '(^|, )fonts-liberation($|,)'
expect Recommends '^qt6-translations-l10n$'
expect Description '^viewer for VELKORA bearing measurement files'
[ "$(field Description | wc -l)" -gt 2 ] || { echo "Description has no long part"; failed=1; }
[ $failed -eq 0 ] || exit 1

lintian --fail-on error "$deb"
echo "package $(basename "$deb"): files, fields and lintian as expected"
