#!/usr/bin/env bash
# Runs a test program on a virtual screen (Xvfb) under a real window manager (openbox), so the
# window states that a manager keeps, not Qt, are tested. Exits 77 (skipped) when either is
# missing. Usage: with_window_manager.sh WIDTHxHEIGHT PROGRAM [ARGS...]
set -u
size=$1
shift
command -v Xvfb > /dev/null && command -v openbox > /dev/null || { echo "Xvfb or openbox missing: skipped"; exit 77; }

display=
for n in $(seq 90 140); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "no free display"; exit 1; }

Xvfb "$display" -screen 0 "${size}x24" -wr -nolisten tcp > /dev/null 2>&1 &
xvfb=$!
openbox_pid=
cleanup() { [ -n "$openbox_pid" ] && kill "$openbox_pid" 2> /dev/null; kill "$xvfb" 2> /dev/null; wait 2> /dev/null; }
trap cleanup EXIT
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.05; done
DISPLAY=$display openbox > /dev/null 2>&1 &
openbox_pid=$!
# The manager is ready once it has named itself on the root window.
for _ in $(seq 100); do
  DISPLAY=$display xprop -root _NET_SUPPORTING_WM_CHECK 2> /dev/null | grep -q 'window id' && break
  sleep 0.05
done
DISPLAY=$display QT_QPA_PLATFORM=xcb "$@"
