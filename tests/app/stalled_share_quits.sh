#!/usr/bin/env bash
# Quitting never waits on a share that stopped answering. Runs under with_window_manager.sh:
# the viewer follows a FUSE share (stalling_share.py); the share stops answering while a check
# runs, or before the viewer starts; Ctrl+Q, or SIGTERM, must end the program within a second.
# The kernel keeps a thread whose request the share has taken until the share answers, so the
# program counts as ended when its windows are gone and its main thread has exited.
# Exits 77 (skipped) without FUSE, python3-fuse or xdotool. Usage: stalled_share_quits.sh VIEWER SHARE_SCRIPT
set -u
viewer=$1
share_script=$2
[ -e /dev/fuse ] && command -v fusermount > /dev/null && command -v xdotool > /dev/null \
  && /usr/bin/python3 -c 'import fuse' 2> /dev/null || { echo "FUSE, python3-fuse or xdotool missing: skipped"; exit 77; }

work=$(mktemp -d)
mkdir -p "$work/source" "$work/mount"
printf '1 0 60 70\n2 1 61 71\n' > "$work/source/m_amp.txt"
flag=$work/stall
viewer_pid=
cleanup() {
  rm -f "$flag"
  [ -n "$viewer_pid" ] && kill -KILL "$viewer_pid" 2> /dev/null
  fusermount -u "$work/mount" 2> /dev/null
  rm -rf "$work"
}
trap cleanup EXIT
/usr/bin/python3 "$share_script" "$work/source" "$flag" "$work/mount" || { echo "the share did not mount: skipped"; exit 77; }

# Whether the viewer has ended: no window left and its main thread gone or a zombie.
ended() {
  [ -z "$(xdotool search --pid "$viewer_pid" 2> /dev/null)" ] || return 1
  local state
  state=$(awk '/^State:/ {print $2}' "/proc/$viewer_pid/task/$viewer_pid/status" 2> /dev/null)
  [ -z "$state" ] || [ "$state" = Z ]
}

# waits for a window whose name starts with $1, for up to 5 s
wait_for_window() {
  for _ in $(seq 100); do
    xdotool search --pid "$viewer_pid" --onlyvisible --name "^$1" > /dev/null 2>&1 && return 0
    sleep 0.05
  done
  return 1
}

run_case() {  # name, stall before start (yes/no), window name, how to quit (key/term)
  local name=$1 before=$2 window=$3 how=$4
  rm -f "$flag"
  [ "$before" = yes ] && touch "$flag"
  "$viewer" --follow "$work/mount" > /dev/null 2>&1 &
  viewer_pid=$!
  if ! wait_for_window "$window"; then echo "FAIL $name: no window \"$window\""; return 1; fi
  if [ "$before" = no ]; then
    touch "$flag"
    sleep 2.5   # the follower's next check is stuck by now
  fi
  if [ "$how" = key ]; then
    # The key goes to the window once it has the keyboard; a busy machine gives it late.
    local target
    target=$(xdotool search --pid "$viewer_pid" --onlyvisible --name "^$window" | head -1)
    xdotool windowactivate --sync "$target" > /dev/null 2>&1
    for _ in $(seq 100); do [ "$(xdotool getactivewindow 2> /dev/null)" = "$target" ] && break; sleep 0.05; done
    sleep 0.2
    xdotool key ctrl+q
  else
    kill -TERM "$viewer_pid"
  fi
  for _ in $(seq 20); do ended && break; sleep 0.05; done
  if ! ended; then echo "FAIL $name: still running a second after the quit"; return 1; fi
  echo "PASS $name"
  rm -f "$flag"
  wait "$viewer_pid" 2> /dev/null
  viewer_pid=
}

status=0
run_case "Ctrl+Q while a check is stuck" no "VELKView - " key || status=1
run_case "SIGTERM with the share stuck from the start" yes "VELKView" term || status=1
exit $status
