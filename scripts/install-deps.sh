#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing, packaging and running VELKView need.
# Idempotent: when everything is present it only checks and exits.
set -euo pipefail

packages=(
  g++ make cmake
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev
  qt6-translations-l10n   # Qt's own dialog texts in the user's language
  qt6-tools-dev qt6-l10n-tools
                          # Qt Linguist's tools: the .ts files become .qm files at build time
  fonts-liberation        # metric-compatible stand-ins for Arial
  libbenchmark-dev        # bench/
  poppler-utils           # tests read the report PDF back with pdftotext
  locales                 # tests build a comma-decimal locale with localedef
  librsvg2-bin            # the PNG icons are made from the SVG at build time
  desktop-file-utils appstream libxml2-utils shared-mime-info groff-base file
                          # packaging/ checks: desktop entry, AppStream data, MIME type, manual page
  dpkg-dev lintian        # make package: hardening flags and shlibdeps, then the package's checks
  devscripts              # make package: hardening-check on the packaged program
  xvfb openbox x11-utils xdotool
  python3-fuse fuse3       # a share of the tests' own that stops answering
                          # window tests under a real window manager on a virtual screen
)

# Optional groups, asked for by name: `install-deps.sh fuzz` adds clang and its libFuzzer
# and sanitizer runtimes for `make fuzz`.
for group in "$@"; do
  case "$group" in
    fuzz) packages+=(clang libclang-rt-dev) ;;
    *) echo "install-deps.sh: unknown group '$group' (known: fuzz)" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
