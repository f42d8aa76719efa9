#!/usr/bin/env bash
# The release notes of CHANGELOG.md in the two forms the package carries: Debian's changelog
# (gzipped, items wrapped to its 80 columns) and AppStream's <release> elements, newest
# first. Each section "## VERSION - YYYY-MM-DD ..." is one release with its "- " items. A
# snapshot build (RELEASE+git...) comes first, dated DATE, with the items of
# "## Unreleased"; a release build leaves that section out. A release without a section of
# its own fails, since its changes would be missing.
# Usage: changelog.sh debian CHANGELOG_MD VERSION DATE CONTACT OUTPUT_GZ
#        changelog.sh appstream CHANGELOG_MD VERSION DATE    (writes the elements to stdout)
set -euo pipefail
format=$1 changelog=$2 version=$3 date=$4
release=${version%%+git*}

# A line "@ VERSION DATE TYPE" a release, then a line an item (its text joined into one).
entries=$(awk -v version="$version" -v release="$release" -v date="$date" '
  function flush() { if (item != "") print item; item = "" }
  function snapshot() { if (version != release && !snapshotDone) print "@", version, date, "development"; snapshotDone = 1 }
  /^## / {
    flush()
    inside = version != release || $2 != "Unreleased"
    if ($2 == "Unreleased") { snapshot(); next }
    if (version != release && !snapshotDone) { snapshot(); print "No changes listed since " release "." }
    if (!match($0, /[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]/)) { print "no date in: " $0 > "/dev/stderr"; failed = 1; exit 1 }
    print "@", $2, substr($0, RSTART, RLENGTH), "stable"
    if ($2 == release) found = 1
    next
  }
  inside && /^- / { flush(); item = substr($0, 3); next }
  inside && /^  / { sub(/^ +/, ""); item = item " " $0 }
  END { flush(); if (!failed && !found) { print "no section ## " release > "/dev/stderr"; exit 1 } }
' "$changelog") || { echo "$changelog: no release notes for $version" >&2; exit 1; }

debian() {
  local contact=$1 open=0 line v d type
  while IFS= read -r line; do
    if [[ $line == "@ "* ]]; then
      read -r _ v d type <<< "$line"
      [ $open -eq 0 ] || printf '\n -- %s  %s\n\n' "$contact" "$stamp"
      printf 'velkview (%s) %s; urgency=medium\n\n' "$v" "$([ "$type" = stable ] && echo stable || echo UNRELEASED)"
      stamp=$(LC_ALL=C date -u -R -d "$d") open=1
    else
      fold -s -w 72 <<< "$line" | sed 's/ *$//; 1s/^/  * /; 2,$s/^/    /'
    fi
  done <<< "$entries"
  printf '\n -- %s  %s\n' "$contact" "$stamp"
}

appstream() {
  local open=0 line v d type
  while IFS= read -r line; do
    if [[ $line == "@ "* ]]; then
      read -r _ v d type <<< "$line"
      [ $open -eq 0 ] || printf '        </ul>\n      </description>\n    </release>\n'
      printf '    <release version="%s" date="%s" type="%s">\n      <description>\n        <ul>\n' "$v" "$d" "$type"
      open=1
    else
      # Markdown's `code` becomes AppStream's <code>, after the text is escaped for XML.
      printf '          <li>%s</li>\n' "$(sed 's/&/\&amp;/g; s/</\&lt;/g; s/>/\&gt;/g; s/`\([^`]*\)`/<code>\1<\/code>/g' <<< "$line")"
    fi
  done <<< "$entries"
  printf '        </ul>\n      </description>\n    </release>\n'
}

case "$format" in
  debian) debian "$5" | gzip -9 -n > "$6" ;;
  appstream) appstream ;;
  *) echo "changelog.sh: unknown format '$format' (debian or appstream)" >&2; exit 2 ;;
esac
