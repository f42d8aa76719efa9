#!/usr/bin/env bash
# Checks the Debian package that `make package` made: its files, its control fields, its
# version and changelog, the hardening of its program and lintian's verdict.
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
[ "$(field Version)" = "$version" ] || { echo "Version: '$(field Version)' is not '$version'"; failed=1; }
expect Section '^science$'
expect Maintainer '^[^<>]+ <[^@<>]+@[^@<>]+>$'
expect Depends 'libqt6widgets6'
expect Depends 'libqt6svg6'
expect Depends '(^|, )fonts-liberation($|,)'
expect Recommends '^qt6-translations-l10n$'
expect Description '^viewer for VELKORA bearing measurement files'
[ "$(field Description | wc -l)" -gt 2 ] || { echo "Description has no long part"; failed=1; }
# A snapshot (RELEASE+git...) must sort above its release and below any later one, or apt
# would not take it as an upgrade.
release=${version%%+git*}
if [ "$release" != "$version" ] && ! { dpkg --compare-versions "$version" gt "$release" &&
                                      dpkg --compare-versions "$version" lt "$release.1"; }; then
  echo "version $version does not sort between $release and the next release"; failed=1
fi
[ $failed -eq 0 ] || exit 1

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
top=$(zcat "$root/usr/share/doc/velkview/changelog.gz" | head -n 1)
[[ $top == "velkview ($version) "* ]] || { echo "the changelog starts with '$top', not version $version"; exit 1; }
# Paths that the manual page and the AppStream data tell a user to open must be in the package.
for named in $( { zcat "$root/usr/share/man/man1/velkview.1.gz"; cat "$root"/usr/share/metainfo/*.xml; } \
                | grep -o '/usr/share/[^ :<]*' | sort -u); do
  [ -e "$root$named" ] || { echo "$named is named by the manual page or AppStream data but not installed"; exit 1; }
done

# Control-flow protection is not asked for: Debian 12's C start files carry no IBT/SHSTK
# marks, so no program linked there gets them (not even its own /usr/bin/ls).
hardening-check --nocfprotection "$root/usr/bin/velkview" | sed "s|$root||"

# Lintian's info tags are shown, and its hardening tags fail like its errors and warnings.
tags=$(lintian --fail-on error,warning --display-info "$deb") || { echo "$tags"; exit 1; }
echo "$tags"
! grep -q ' hardening-' <<< "$tags" || { echo "lintian finds the program not hardened"; exit 1; }
echo "package $(basename "$deb"): files, fields, version, hardening and lintian as expected"
