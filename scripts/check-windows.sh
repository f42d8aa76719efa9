#!/usr/bin/env bash
# The Windows build under Wine, against the Linux build: check-windows.sh LINUX_BUILD_DIR.
# Needs build-windows/ from scripts/build-windows.sh (VELKVIEW_WINDOWS_TESTS=1 for the test
# programs). Runs the program unpacked from the zip in a Wine prefix made in build-windows/:
# --dump and --csv byte-identical, --chart differing only in label pixels, --report with the
# same text, the refusals and exit statuses, then the installer and uninstaller silently, then
# the cross-built test programs. Wine is not Windows: docs/windows.md lists what only a
# Windows machine can confirm.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
linux=$root/${1:-build}
out=$root/${BUILD_WINDOWS:-build-windows}
version=$(cat "$out/velkview-version.txt")
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok:   $*"; }
started=$(date +%s)

export WINEPREFIX=$out/wine-prefix WINEDEBUG=-all WINEARCH=win64
# No Mono or Gecko installer dialogs: there is no display, and nothing here needs them.
export WINEDLLOVERRIDES="mscoree,mshtml="
rm -rf "$WINEPREFIX" "$out/check"
wineboot --init > /dev/null 2>&1
wineserver --wait
# A fresh prefix has no fonts; Windows has its own, here metric-compatible stand-ins.
cp /usr/share/fonts/truetype/liberation/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
mkdir -p "$out/check"
unzip -q "$out/velkview-$version-win64.zip" -d "$out/check"
exe=$out/check/velkview-$version-win64/velkview.exe
work=$out/check/work
mkdir -p "$work/empty-fonts" "$work/folder"
cp examples/demo_amp.txt examples/demo_ref.txt "$work/"
echo "Wine prefix and program ready in $(( $(date +%s) - started )) s"

# Runs the Windows program; the Unix-side environment's QT_* settings do not reach it, so a
# setting goes through cmd: win [VAR=VALUE] ARGS...
win() {
  if [[ $1 == *=* ]]; then
    local setting=$1; shift
    wine cmd /c "set $setting&& $(winepath -w "$exe") $*"
  else
    wine "$exe" "$@"
  fi
}
status_of() { set +e; "$@" > "$work/stdout" 2> "$work/stderr"; local status=$?; set -e; echo $status; }

# Byte for byte what Linux writes: standard output in binary mode, files too.
cd "$work"
"$linux/velkview" --dump demo_amp.txt > linux.json
win --dump demo_amp.txt > windows.json
cmp -s linux.json windows.json && pass "--dump is byte-identical" || fail "--dump differs: $(cmp linux.json windows.json)"
# A reader that stops early (| head) has what it wanted: nothing is said.
win --dump demo_amp.txt 2> pipe.err | head -c 1 > /dev/null
[ ! -s pipe.err ] && pass "--dump | head says nothing" || fail "--dump | head: $(cat pipe.err)"
for table in amplitude reference; do
  "$linux/velkview" --csv linux-$table.csv --table $table demo_amp.txt
  win --csv windows-$table.csv --table $table demo_amp.txt
  cmp -s linux-$table.csv windows-$table.csv && pass "--csv $table is byte-identical" || fail "--csv $table differs"
done
"$linux/velkview" --chart linux.png demo_amp.txt
win --chart windows.png demo_amp.txt
python3 "$root/tests/windows/png_diff.py" linux.png windows.png > png-diff.txt \
  && pass "--chart differs only in labels ($(tail -n 1 png-diff.txt))" || fail "--chart: $(cat png-diff.txt)"
"$linux/velkview" --report linux.pdf --remark "Wine" demo_amp.txt
win --report windows.pdf --remark Wine demo_amp.txt
if [ "$(pdftotext linux.pdf -)" = "$(pdftotext windows.pdf -)" ]; then pass "--report has the same text"
else fail "--report text differs: $(diff <(pdftotext linux.pdf -) <(pdftotext windows.pdf -) | head -n 5)"; fi

# Refusals and exit statuses: each row is STATUS, what stderr must hold, the arguments.
check_status() {
  local expected=$1 message=$2; shift 2
  local status; status=$(status_of win "$@")
  if [ "$status" = "$expected" ] && grep -q -- "$message" "$work/stderr"; then pass "exit $expected: $*"
  else fail "$* gave $status (wanted $expected), stderr: $(head -c 300 "$work/stderr")"; fi
}
check_status 1 "No such file or directory" --dump missing_amp.txt
check_status 2 "Try 'velkview --help'" --chart
check_status 3 "it is the measurement" --report demo_amp.txt demo_amp.txt
check_status 3 "it is the measurement" --csv 'DEMO_REF.TXT' demo_amp.txt
check_status 3 "Is a directory" --report folder demo_amp.txt
check_status 3 "Not a regular file" --csv NUL demo_amp.txt
check_status 3 "no fonts were found" "QT_QPA_FONTDIR=$(winepath -w "$work/empty-fonts")" --chart nofont.png demo_amp.txt
[ ! -e nofont.png ] || fail "a chart was written without fonts"
# Another file on the same drive is not the measurement (stat's inode is 0 on Windows).
status=$(status_of win --chart other.png demo_amp.txt)
[ "$status" = 0 ] && pass "another file on the measurement's drive is written" || fail "--chart other.png gave $status"
cmp -s "$root/examples/demo_amp.txt" demo_amp.txt && cmp -s "$root/examples/demo_ref.txt" demo_ref.txt \
  && pass "the measurement is unchanged" || fail "the measurement was changed"
leftovers=$(find . -name '.velkview.*')
[ -z "$leftovers" ] && pass "no temporary file is left" || fail "temporary files left: $leftovers"
# A name outside the ANSI code page reaches the program whole.
cp demo_amp.txt 'Mess_Ωλ_amp.txt'
status=$(status_of win --dump 'Mess_Ωλ_amp.txt')
[ "$status" = 0 ] && grep -q '"ampFileTitle":"Mess_Ωλ_amp.txt"' "$work/stdout" && pass "a Greek file name is read" \
  || fail "a Greek file name gave $status: $(head -c 200 "$work/stderr")"
echo "Batch checks done at $(( $(date +%s) - started )) s"

# The installer, silently: the files, the Start-menu entry and the registry, then the
# uninstaller leaves nothing behind.
setup=$out/velkview-$version-setup.exe
programs=$WINEPREFIX/drive_c/Program\ Files/VELKView
menu=$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/VELKView/VELKView.lnk
wine "$setup" /S; wineserver --wait
staged=$(cd "$out/check/velkview-$version-win64" && find . -type f | LC_ALL=C sort)
installed=$(cd "$programs" 2>/dev/null && find . -type f ! -name uninstall.exe | LC_ALL=C sort)
[ -n "$installed" ] && [ "$staged" = "$installed" ] && pass "the installer put every file of the zip in place" \
  || fail "installed files differ from the zip: $(diff <(echo "$staged") <(echo "$installed") | head -n 5)"
[ -f "$menu" ] && pass "the Start-menu entry exists" || fail "no Start-menu entry"
wine reg query 'HKLM\Software\Classes\SystemFileAssociations\.txt\shell\VELKView\command' 2>/dev/null | grep -q velkview.exe \
  && pass "the Open in VELKView command is registered" || fail "no Open in VELKView command"
[ "$(wine "$programs/velkview.exe" --version | tr -d '\r')" = "velkview $version" ] \
  && pass "the installed program runs" || fail "the installed program does not run"
wine "$programs/uninstall.exe" /S; wineserver --wait
# The uninstaller runs from a copy of itself in the temporary folder, which may take a moment.
for _ in 1 2 3 4 5 6 7 8 9 10; do [ -e "$programs" ] || break; sleep 1; done
[ ! -e "$programs" ] && [ ! -e "$menu" ] && pass "the uninstaller removed the program and the entry" \
  || fail "left after uninstalling: $(find "$programs" "$menu" 2>/dev/null | head -n 5)"
wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\VELKView' > /dev/null 2>&1 \
  && fail "the uninstall key is left" || pass "the registry entries are gone"
echo "Installer checks done at $(( $(date +%s) - started )) s"

# The test programs, cross-built, each run through Wine by CTest (CMAKE_CROSSCOMPILING_EMULATOR).
# Qt's settings reach a Windows process through its registry environment only; the test
# programs find Qt's libraries through WINEPATH and Qt's own translations through a qt.conf.
cd "$out"
if [ -f tst_language.exe ]; then
  qt=$(grep -m1 '^CMAKE_PREFIX_PATH:' CMakeCache.txt | cut -d= -f2)
  runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
  export WINEPATH="$(winepath -w "$qt/bin");$(winepath -w "$runtime");$(winepath -w /usr/x86_64-w64-mingw32/lib)"
  wine reg add 'HKCU\Environment' /v QT_QPA_PLATFORM /d offscreen /f > /dev/null 2>&1
  wine reg add 'HKCU\Environment' /v QT_QPA_FONTDIR /d 'C:\windows\Fonts' /f > /dev/null 2>&1
  wineserver --wait
  printf '[Paths]\nPrefix = %s\nTranslations = %s\n' "$(winepath -w "$qt" | tr '\\' /)" \
    "$(winepath -w /usr/share/qt6/translations | tr '\\' /)" > qt.conf
  # Known under Wine, kept out so that a new failure shows (docs/windows.md): the follower
  # misses a followed folder's own deletion and hangs at exit; one row of the surface test
  # measures a stretched 8-pixel Arial 1.89 times as wide as the natural one, beyond the
  # stretch asked for.
  ctest_started=$(date +%s)
  ctest --output-on-failure --timeout 300 -j2 -E '^app[.]tst_follow_folder$|^draw[.]tst_qpainter_surface$' \
    || fail "test programs under Wine"
  # The surface test with every row but that one (function:row, as Qt Test takes them).
  mapfile -t cases < <(wine tst_qpainter_surface.exe -datatags | tr -d '\r' | sed -n 's/^TestQPainterSurface //p' \
    | grep -vx 'fontsResolveToInstalledFacesAndSizes screen labels' | sed 's/ /:/')
  wine tst_qpainter_surface.exe "${cases[@]}" -o surface.txt,txt > /dev/null 2>&1 \
    && pass "tst_qpainter_surface, ${#cases[@]} cases" || fail "tst_qpainter_surface: $(grep -A3 FAIL surface.txt | head -n 8)"
  echo "Test programs under Wine: $(( $(date +%s) - ctest_started )) s"
fi
echo "Windows checks: $failures failures, $(( $(date +%s) - started )) s"
[ "$failures" = 0 ]
