#!/usr/bin/env bash
# Makes the Debian source and binary packages (debian/) in OUT_DIR from the tree a tarball
# would hold: `git archive` of the last commit in a checkout (its version stamped in by
# export-subst), else a copy of this tree without its build folders. Then checks all of them
# with lintian, whose errors and warnings fail. dpkg-buildpackage's output goes to
# OUT_DIR/dpkg-buildpackage.log.
# Usage: make-deb.sh OUT_DIR
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "$1" && cd "$1" && pwd)
rm -rf "$out"/velkview-* "$out"/velkview_*   # earlier versions' trees and packages too
tree=$out/velkview-export
mkdir -p "$tree"
if [ -e "$top/.git" ] && command -v git > /dev/null; then
  git -C "$top" archive HEAD | tar -x -C "$tree"
else
  tar -C "$top" --exclude='./build*' --exclude=./obj-* --exclude=./install-deps.log -c . | tar -x -C "$tree"
fi
# The version of the exported tree itself, so a commit made meanwhile cannot come between.
read -r version epoch < <(cmake -P "$tree/cmake/version.cmake")
[ "$version" != unknown ] || { echo "This tree's version is unknown: a package needs one." >&2; exit 1; }
mv "$tree" "$out/velkview-$version"
tree=$out/velkview-$version
bash "$top/packaging/changelog.sh" debian "$tree/CHANGELOG.md" "$version" "@$epoch" \
  "$(sed -n 's/^Maintainer: //p' "$tree/debian/control")" > "$tree/debian/changelog"

echo "Building velkview $version with dpkg-buildpackage in $tree (log: $out/dpkg-buildpackage.log)"
(cd "$tree" && dpkg-buildpackage -us -uc > "$out/dpkg-buildpackage.log" 2>&1) \
  || { tail -n 40 "$out/dpkg-buildpackage.log"; exit 1; }
grep -E '^ *[0-9]+% tests passed|^dpkg-deb: building' "$out/dpkg-buildpackage.log" || true

changes=$out/velkview_${version}_$(dpkg --print-architecture).changes
tags=$(lintian --fail-on error,warning --display-info "$changes") || { echo "$tags"; exit 1; }
[ -z "$tags" ] || echo "$tags"
echo "lintian: no errors or warnings on $(basename "$changes") and the packages it lists"
