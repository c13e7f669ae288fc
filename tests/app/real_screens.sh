#!/usr/bin/env bash
# Starts a real display server, runs one test of test_real_screens on it at 200 %, and stops it:
#   real_screens.sh TEST_PROGRAM x11 TEST       Xephyr (inside Xvfb) at 1600x1200, with openbox,
#                                               whose resolution xrandr then changes
#   real_screens.sh TEST_PROGRAM wayland TEST   Weston's kiosk shell, a headless output of
#                                               720x1440 pixels at scale 2 (Weston takes its
#                                               width and height in logical pixels: 360x720)
# Xephyr also follows its window being resized on its host, but Qt 6.4 reads the new size of the
# screen before Xephyr has set it; a new resolution reaches Qt as a real monitor's does.
set -euo pipefail
program=$1 server=$2 test=$3
pids=()
runtime=""
stop() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  if [[ -n $runtime ]]; then rm -rf "$runtime"; fi
}
trap stop EXIT

# A server that writes its display number to fd 3 once it accepts clients.
display_of() {  # display_of FILE
  for _ in $(seq 100); do [[ -s $1 ]] && break; sleep 0.1; done
  [[ -s $1 ]] || { echo "the X server did not start" >&2; exit 1; }
  echo ":$(<"$1")"
}

case $server in
x11)
  number=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$number" >/dev/null 2>&1 &
  pids+=($!)
  host=$(display_of "$number")
  : >"$number"
  DISPLAY=$host Xephyr -displayfd 3 -resizeable -screen 1600x1200 -nolisten tcp 3>"$number" >/dev/null 2>&1 &
  pids+=($!)
  export DISPLAY
  DISPLAY=$(display_of "$number")
  rm -f "$number"
  openbox --sm-disable >/dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
  done
  QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=2 timeout 50 "$program" "$test"
  ;;
wayland)
  runtime=$(mktemp -d)
  chmod 700 "$runtime"
  export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=yarno-test
  weston --backend=headless-backend.so --shell=kiosk-shell.so --width=360 --height=720 --scale=2 \
    --socket="$WAYLAND_DISPLAY" --idle-time=0 >/dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 100); do [[ -S $runtime/$WAYLAND_DISPLAY ]] && break; sleep 0.1; done
  QT_QPA_PLATFORM=wayland timeout 50 "$program" "$test"
  ;;
esac
