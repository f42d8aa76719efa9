#!/usr/bin/env bash
# Qt 6.4.2 (qtbase and qtsvg) for x86_64-w64-mingw32, as the Windows build of the viewer needs
# it: built once into ~/.cache/velkview/qt6-win-<version>-<hash of this script and the
# toolchain file>/, so a change to the recipe makes a new cache entry. Prints the prefix (the
# folder to put in CMAKE_PREFIX_PATH) as its last line.
#
# Where it comes from, first that applies:
#   - the cache entry, when it is complete;
#   - QT_WINDOWS_PREBUILT, or ../shared/windows/qt6-win-6.4.2-mingw-w64.tar.xz beside the
#     repository: a copy made by this same recipe, unpacked instead of building (seconds);
#   - built from source: qtbase from Debian's source package, qtsvg from Debian's or from
#     QTSVG_SOURCE (the upstream qtsvg-everywhere-src tarball), since Debian's archive as seen
#     from our machines lacks qt6-svg's tarball. About 22 minutes on 2 idle cores.
# QT_WINDOWS_FROM_SOURCE=1 skips the prebuilt copy. JOBS sets the build's parallel jobs.
set -euo pipefail

qt_version=6.4.2
root=$(cd "$(dirname "$0")/.." && pwd)
toolchain=$root/cmake/mingw-w64-x86_64.cmake
recipe_hash=$(cat "$0" "$toolchain" | sha256sum | cut -c1-12)
cache=${VELKVIEW_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/velkview}
entry=$cache/qt6-win-$qt_version-$recipe_hash
prefix=$entry/qt6-win
jobs=${JOBS:-2}

say() { echo "qt-windows: $*" >&2; }

# A cache entry counts only once its last step wrote the stamp, so an interrupted build or
# unpack is never taken for a finished one.
if [ -f "$entry/complete" ]; then
  echo "$prefix"
  exit 0
fi
rm -rf "$entry"
mkdir -p "$entry"

prebuilt=${QT_WINDOWS_PREBUILT:-$root/../shared/windows/qt6-win-$qt_version-mingw-w64.tar.xz}
if [ "${QT_WINDOWS_FROM_SOURCE:-0}" != 1 ] && [ -f "$prebuilt" ]; then
  say "unpacking the prebuilt copy $prebuilt into $entry"
  tar -xJf "$prebuilt" -C "$entry"
  [ -f "$prefix/lib/cmake/Qt6/Qt6Config.cmake" ] || { say "$prebuilt holds no qt6-win/ prefix"; exit 1; }
  touch "$entry/complete"
  echo "$prefix"
  exit 0
fi

# From source. Debian's own source package, with its patches, through a private list of
# source archives, so the machine's apt set-up is left as it is and no root is needed.
work=$entry/work
mkdir -p "$work/apt/lists/partial"
cat > "$work/apt/sources.list" <<SOURCES
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm main
SOURCES
apt_options=(-o "Dir::Etc::SourceList=$work/apt/sources.list" -o "Dir::Etc::SourceParts=-"
             -o "Dir::State::Lists=$work/apt/lists" -o "APT::Sandbox::User=root")
say "fetching Debian's sources of qtbase $qt_version"
apt-get "${apt_options[@]}" update >&2
(cd "$work" && apt-get "${apt_options[@]}" source qt6-base >&2)
qtbase_source=$(find "$work" -maxdepth 1 -type d -name "qt6-base-$qt_version*" | head -n 1)
[ -n "$qtbase_source" ] || { say "apt-get source qt6-base gave no source tree"; exit 1; }

qtsvg_source=""
if (cd "$work" && apt-get "${apt_options[@]}" source qt6-svg >&2); then
  qtsvg_source=$(find "$work" -maxdepth 1 -type d -name "qt6-svg-$qt_version*" | head -n 1)
fi
if [ -z "$qtsvg_source" ]; then
  tarball=${QTSVG_SOURCE:-$root/../shared/windows/qtsvg-everywhere-src-$qt_version.tar.xz}
  [ -f "$tarball" ] || { say "no qtsvg source: Debian's is missing and QTSVG_SOURCE ($tarball) is not a file"; exit 1; }
  tar -xJf "$tarball" -C "$work"
  qtsvg_source=$work/qtsvg-everywhere-src-$qt_version
fi

host=(-DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)
start=$(date +%s)
say "configuring qtbase (only what the viewer uses: no network, SQL, D-Bus, OpenGL)"
mkdir -p "$work/qtbase-build"
# Debian's tarball leaves out src/3rdparty/wintab, hence no tablet events; without
# direct2d1_1 only one Windows platform plugin is built.
(cd "$work/qtbase-build" && "$qtbase_source/configure" -prefix "$prefix" \
  -release -shared -opensource -confirm-license -nomake tests -nomake examples \
  -no-opengl -no-feature-vulkan -no-dbus -no-icu -no-glib -no-zstd -no-feature-sql \
  -no-feature-network -no-feature-concurrent -no-feature-xml -no-feature-tabletevent \
  -no-feature-androiddeployqt -qt-zlib -qt-libpng -no-libjpeg -qt-pcre -qt-harfbuzz \
  -qt-freetype -qt-doubleconversion -- -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  "${host[@]}" -DFEATURE_system_zlib=OFF -DFEATURE_direct2d1_1=OFF) >&2
say "building qtbase with $jobs jobs"
cmake --build "$work/qtbase-build" --parallel "$jobs" >&2
cmake --install "$work/qtbase-build" >&2
say "qtbase took $(( $(date +%s) - start )) s"

svg_start=$(date +%s)
mkdir -p "$work/qtsvg-build"
"$prefix/bin/qt-cmake" -S "$qtsvg_source" -B "$work/qtsvg-build" -G Ninja \
  -DCMAKE_BUILD_TYPE=Release -DQT_BUILD_TESTS=OFF -DQT_BUILD_EXAMPLES=OFF "${host[@]}" >&2
cmake --build "$work/qtsvg-build" --parallel "$jobs" >&2
cmake --install "$work/qtsvg-build" >&2
say "qtsvg took $(( $(date +%s) - svg_start )) s; all of Qt $(( $(date +%s) - start )) s"

rm -rf "$work"
touch "$entry/complete"
echo "$prefix"
