#!/usr/bin/env bash
# The MIME package must be well-formed XML and must compile into a MIME database that maps
# amplitude file names to our type, a kind of plain text.
# Usage: check-mime.sh MIME_XML TYPE
set -euo pipefail
xml=$1 type=$2
xmllint --noout "$xml"
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
db=$data/mime
mkdir -p "$db/packages"
cp "$xml" "$db/packages/"
# A database outside the search path makes update-mime-database say so; this one is meant to be.
messages=$(XDG_DATA_HOME=$data update-mime-database "$db" 2>&1)
[ -z "$messages" ] || { echo "update-mime-database: $messages"; exit 1; }
grep -qx "50:$type:\*_amp.txt" "$db/globs2" || { echo "no *_amp.txt glob for $type:"; cat "$db/globs2"; exit 1; }
grep -qx "$type text/plain" "$db/subclasses" || { echo "$type is no sub-class of text/plain"; exit 1; }
echo "MIME type $type: well-formed, *_amp.txt, sub-class of text/plain"
