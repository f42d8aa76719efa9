#!/usr/bin/env bash
# make windows: the viewer cross-built for 64-bit Windows in build-windows/, with
#   build-windows/velkview-<version>-win64.zip        the program folder, to unpack and run
#   build-windows/velkview-<version>-setup.exe        the installer (NSIS)
# Installs the Debian packages it needs, gets Qt for Windows (scripts/qt-windows.sh: a cache
# in ~/.cache/velkview/), then builds. VELKVIEW_WINDOWS_TESTS=1 builds the test programs too,
# to be run under Wine (scripts/check-windows.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
out=${BUILD_WINDOWS:-build-windows}
jobs=${JOBS:-2}

packages=(g++-mingw-w64-x86-64-posix mingw-w64-tools wine64 wine nsis ninja-build cmake
          qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
          librsvg2-bin python3 zip unzip poppler-utils fonts-liberation dpkg-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" > /dev/null
fi

qt=$(bash scripts/qt-windows.sh | tail -n 1)
mkdir -p "$out"
echo "Configuring the Windows build in $out/ (Qt: $qt)"
cmake -S . -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DCMAKE_PREFIX_PATH="$qt" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_CROSSCOMPILING_EMULATOR=wine \
  -DVELKVIEW_TESTS="$([ "${VELKVIEW_WINDOWS_TESTS:-0}" = 1 ] && echo ON || echo OFF)" \
  > "$out/configure.log" 2>&1 || { cat "$out/configure.log"; exit 1; }
echo "Building (log: $out/build.log)"
targets=(--target velkview)
[ "${VELKVIEW_WINDOWS_TESTS:-0}" = 1 ] && targets=()
cmake --build "$out" "${targets[@]}" --parallel "$jobs" > "$out/build.log" 2>&1 || { tail -n 40 "$out/build.log"; exit 1; }

version=$(cat "$out/velkview-version.txt")
fileversion=$(cat "$out/velkview-fileversion.txt")
name=velkview-$version-win64
stage=$out/stage/$name
rm -rf "$out/stage"
mkdir -p "$stage"

# The program folder: the program, the Qt libraries and plug-ins it loads, the compiler's
# runtime, Qt's own translations, and a qt.conf that makes Qt look beside the program.
cp "$out/velkview.exe" "$stage/"
for library in Qt6Core Qt6Gui Qt6Widgets Qt6PrintSupport Qt6Svg; do
  cp "$qt/bin/$library.dll" "$stage/"
done
for plugin in platforms/qwindows platforms/qoffscreen styles/qwindowsvistastyle imageformats/qsvg \
              imageformats/qico iconengines/qsvgicon; do
  mkdir -p "$stage/plugins/$(dirname "$plugin")"
  cp "$qt/plugins/$plugin.dll" "$stage/plugins/$plugin.dll"
done
runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
cp "$runtime/libgcc_s_seh-1.dll" "$runtime/libstdc++-6.dll" /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$stage/"
mkdir -p "$stage/translations"
for code in de fr it es; do
  for file in /usr/share/qt6/translations/qtbase_$code.qm; do
    [ -f "$file" ] && cp "$file" "$stage/translations/"
  done
done
printf '[Paths]\nPrefix = .\nPlugins = plugins\nTranslations = translations\n' > "$stage/qt.conf"
# Text files for Windows readers: CR LF line ends.
sed 's/$/\r/' LICENSE > "$stage/LICENSE.txt"
sed 's/$/\r/' README.md > "$stage/README.txt"

# Every dated thing takes the last commit's time, so two builds of one commit agree.
epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || date +%s)}
find "$stage" -exec touch -h -d "@$epoch" {} +

rm -f "$out/$name.zip"
(cd "$out/stage" && find "$name" -print | LC_ALL=C sort | zip -q -X -D "../$name.zip" -@)

# The uninstaller deletes only the files the installer put there, deepest first.
(cd "$stage" && find . -type f | LC_ALL=C sort | sed 's|^\./||; s|/|\\|g; s|.*|  Delete "$INSTDIR\\&"|'
 find . -mindepth 1 -type d | LC_ALL=C sort -r | sed 's|^\./||; s|/|\\|g; s|.*|  RMDir "$INSTDIR\\&"|') \
  > "$out/stage/uninstall-files.nsh"
makensis -V2 -DVERSION="$version" -DFILEVERSION="$fileversion" -DSTAGE="$root/$stage" \
  -DOUTFILE="$root/$out/velkview-$version-setup.exe" packaging/windows/velkview.nsi > "$out/nsis.log" 2>&1 \
  || { cat "$out/nsis.log"; exit 1; }
echo "Wrote $out/$name.zip and $out/velkview-$version-setup.exe"
