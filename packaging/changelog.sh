#!/usr/bin/env bash
# The release notes of CHANGELOG.md in the two forms the packages carry: Debian's changelog
# (items wrapped to its 80 columns, distribution unstable) and AppStream's <release>
# elements, newest first. Each section "## VERSION - YYYY-MM-DD ..." is one release with its
# "- " items. A snapshot build (RELEASE+git...), or one of unknown version, comes first, dated
# WHEN, with the items of "## Unreleased"; a release build leaves that section out. A release
# without a section of its own fails, since its changes would be missing.
# WHEN is @EPOCH (the commit's time) or YYYY-MM-DD.
# Usage: changelog.sh debian CHANGELOG_MD VERSION WHEN CONTACT   (writes the changelog to stdout)
#        changelog.sh appstream CHANGELOG_MD VERSION WHEN       (writes the elements to stdout)
set -euo pipefail
format=$1 changelog=$2 version=$3 when=$4
release=${version%%+git*}
[ "$format" != debian ] || [ "$version" != unknown ] \
  || { echo "changelog.sh: a Debian changelog needs a version, and this tree's is unknown" >&2; exit 1; }
date=$(date -u -d "$when" +%F)

# A line "@ VERSION DATE TYPE" a release, then a line an item (its text joined into one).
entries=$(awk -v version="$version" -v release="$release" '
  function flush() { if (item != "") print item; item = "" }
  function snapshot() { if (snap && !snapshotDone) print "@", version, "@", "development"; snapshotDone = 1 }
  BEGIN { snap = version != release || version == "unknown" }
  /^## / {
    flush()
    inside = snap || $2 != "Unreleased"
    if ($2 == "Unreleased") { snapshot(); next }
    if (snap && !snapshotDone) { snapshot(); print "No changes listed since " $2 "." }
    if (!match($0, /[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]/)) { print "no date in: " $0 > "/dev/stderr"; failed = 1; exit 1 }
    print "@", $2, substr($0, RSTART, RLENGTH), "stable"
    if ($2 == release) found = 1
    next
  }
  inside && /^- / { flush(); item = substr($0, 3); next }
  inside && /^  / { sub(/^ +/, ""); item = item " " $0 }
  END { flush(); if (!failed && !found && version != "unknown") { print "no section ## " release > "/dev/stderr"; exit 1 } }
' "$changelog") || { echo "$changelog: no release notes for $version" >&2; exit 1; }

debian() {
  local contact=$1 open=0 line v d type
  while IFS= read -r line; do
    if [[ $line == "@ "* ]]; then
      read -r _ v d type <<< "$line"
      [ $open -eq 0 ] || printf '\n -- %s  %s\n\n' "$contact" "$stamp"
      printf 'velkview (%s) unstable; urgency=medium\n\n' "$v"
      stamp=$(LC_ALL=C date -u -R -d "$([ "$d" = @ ] && echo "$when" || echo "$d")") open=1
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
      [ "$d" != @ ] || d=$date
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
  debian) debian "$5" ;;
  appstream) appstream ;;
  *) echo "changelog.sh: unknown format '$format' (debian or appstream)" >&2; exit 2 ;;
esac
