#!/usr/bin/env bash
# Installs the Debian 12 packages VELKView needs, by group. Without arguments only what
# building and running the viewer need; the named groups add to that:
#   test     the test tools and the window manager (`make test`, `make sanitize`)
#   bench    Google Benchmark and the window manager (`make bench`)
#   fuzz     clang with libFuzzer and the sanitizer runtimes (`make fuzz`)
#   package  the package tools and checks (`make package`, `make deb`), the test tools with them
#   wm       Xvfb, openbox and xprop for the window tests
# Idempotent: when everything is present it only checks and exits. apt's and dpkg's output go
# to install-deps.log at the top of the tree; on a failure its end is shown.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
log=$top/install-deps.log

packages=(
  g++ make cmake
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev
  qt6-translations-l10n   # Qt's own dialog texts in the user's language
  qt6-tools-dev qt6-l10n-tools
                          # Qt Linguist's tools: the .ts files become .qm files at build time
  fonts-liberation        # metric-compatible stand-ins for Arial
  librsvg2-bin            # the PNG icons are made from the SVG at build time
  dpkg-dev                # dpkg-buildflags: Debian's hardening flags for Release builds
)
# The version comes from git in a checkout; without git it would be unknown.
[ -e "$top/.git" ] && packages+=(git)

test_tools=(
  poppler-utils           # tests read the report PDF back with pdftotext
  locales                 # tests build a comma-decimal locale with localedef
  libbenchmark-dev        # bench/ is built with the tests
  desktop-file-utils appstream libxml2-utils shared-mime-info groff-base file
                          # packaging/ checks: desktop entry, AppStream data, MIME type, manual page
)
window_manager=(xvfb openbox x11-utils xdotool   # window tests under a real manager on a virtual screen
                python3-fuse fuse3)             # a share of the tests' own that stops answering

for group in "$@"; do
  case "$group" in
    test) packages+=("${test_tools[@]}" "${window_manager[@]}") ;;
    bench) packages+=(libbenchmark-dev "${window_manager[@]}") ;;
    fuzz) packages+=(clang libclang-rt-dev) ;;
    package) packages+=("${test_tools[@]}" "${window_manager[@]}"
                        lintian devscripts   # lintian, and hardening-check on the packaged program
                        debhelper build-essential) ;;   # make deb: dh, and what dpkg-buildpackage takes as given
    wm) packages+=("${window_manager[@]}") ;;
    *) echo "install-deps.sh: unknown group '$group' (known: test bench fuzz package wm)" >&2; exit 2 ;;
  esac
done

missing=()
for p in $(printf '%s\n' "${packages[@]}" | sort -u); do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo > /dev/null; then
    echo "Installing packages needs root, and sudo is not installed. As root, run:" >&2
    echo "  apt-get update && apt-get install --no-install-recommends ${missing[*]}" >&2
    exit 1
  fi
  sudo=(sudo)
fi

echo "Installing ${missing[*]} and what they need (log: $log)"
# sudo's password prompt goes to the terminal, not to the log.
if ! { "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q &&
       "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
         -o Dpkg::Use-Pty=0 "${missing[@]}"; } > "$log" 2>&1; then
  tail -n 25 "$log" >&2
  echo "install-deps.sh: installing failed (whole output: $log)" >&2
  exit 1
fi
echo "Installed $(grep -c '^Setting up ' "$log") packages in all"
