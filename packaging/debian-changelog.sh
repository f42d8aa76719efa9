#!/usr/bin/env bash
# Writes the package's changelog in Debian's format from the project's CHANGELOG.md: the
# section of the given version, its "- " items as "  * " entries wrapped to Debian's 80
# columns. Fails when CHANGELOG.md
# has no section for the version, since a release without its changes is a mistake.
# Usage: debian-changelog.sh CHANGELOG_MD VERSION DATE CONTACT OUTPUT_GZ
set -euo pipefail
changelog=$1 version=$2 date=$3 contact=$4 output=$5
# One item a line first, then each wrapped on its own.
items=$(awk -v version="$version" '
  /^## / { inside = ($2 == version); next }
  inside && /^- / { if (item != "") print item; item = substr($0, 3); next }
  inside && /^  / { sub(/^ +/, ""); item = item " " $0 }
  END { if (item != "") print item }
' "$changelog" | while IFS= read -r item; do
  fold -s -w 72 <<< "$item" | sed 's/ *$//; 1s/^/  * /; 2,$s/^/    /'
done)
[ -n "$items" ] || { echo "$changelog has no section '## $version'" >&2; exit 1; }
{
  printf 'velkview (%s) stable; urgency=medium\n\n%s\n\n -- %s  %s\n' \
    "$version" "$items" "$contact" "$(LC_ALL=C date -u -R -d "$date")"
} | gzip -9 -n > "$output"
