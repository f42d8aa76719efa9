#!/usr/bin/env bash
# Makes the package of the last commit twice, from two clones in folders of different names
# and depths, with different time zones, locales and umasks, and requires the two .deb files
# to be byte for byte the same. On a difference it names the members and files that differ.
# Usage: check-reproducible.sh [WORK_DIR]   (default: a temporary folder, removed afterwards)
set -euo pipefail
repo=$(git -C "$(dirname "$0")/.." rev-parse --show-toplevel)
commit=$(git -C "$repo" rev-parse HEAD)
if [ $# -gt 0 ]; then work=$1; mkdir -p "$work"; else work=$(mktemp -d); trap 'rm -rf "$work"' EXIT; fi

build() {   # build FOLDER TZ LOCALE UMASK: the package made in a fresh clone at FOLDER
  local folder=$1
  rm -rf "$folder"
  git clone -q --no-hardlinks "$repo" "$folder"
  git -C "$folder" checkout -q --detach "$commit"
  echo "== $folder (TZ=$2 LC_ALL=$3 umask $4)" >&2
  (cd "$folder" && umask "$4" && TZ=$2 LC_ALL=$3 make -s package > "$folder.log" 2>&1) \
    || { tail -n 40 "$folder.log" >&2; exit 1; }
  ls "$folder"/build/velkview_*.deb
}
first=$(build "$work/a/velkview" UTC C.UTF-8 022)
second=$(build "$work/b/deeper/other-name" Pacific/Kiritimati C 002)

if cmp -s "$first" "$second"; then
  echo "reproducible: $(basename "$first") is the same in both builds ($(sha256sum < "$first" | cut -c1-16))"
  exit 0
fi
echo "NOT reproducible: $first and $second differ"
for deb in "$first" "$second"; do
  mkdir -p "$deb.x/control" "$deb.x/data"
  (cd "$deb.x" && ar x "$deb" && ar tv "$deb" > members)
  dpkg-deb -e "$deb" "$deb.x/control"
  dpkg-deb -x "$deb" "$deb.x/data"
  dpkg-deb -c "$deb" > "$deb.x/listing"
done
diff "$first.x/members" "$second.x/members" || true
diff "$first.x/listing" "$second.x/listing" || true
diff -r "$first.x/control" "$second.x/control" || true
diff -rq "$first.x/data" "$second.x/data" || true
exit 1
