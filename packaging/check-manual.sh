#!/usr/bin/env bash
# The manual page must format without warnings and name exactly the long options that
# --help prints, so the two cannot drift apart.
# Usage: check-manual.sh VELKVIEW_BINARY MANUAL_PAGE
set -euo pipefail
binary=$1 page=$2
warnings=$(LC_ALL=C.UTF-8 groff -man -ww -z -Tutf8 "$page" 2>&1)
[ -z "$warnings" ] || { echo "groff: $warnings"; exit 1; }
from_help=$("$binary" --help | grep -o -- '--[a-z][a-z-]*' | sort -u)
from_page=$(grep -o -- '\\-\\-[a-z][a-z\\-]*' "$page" | sed 's/\\-/-/g' | sort -u)
diff -u <(echo "$from_help") <(echo "$from_page") || { echo "--help (-) and the manual page (+) differ"; exit 1; }
echo "manual page: formats cleanly, $(echo "$from_help" | wc -l) options as in --help"
