#!/usr/bin/env bash
# Runs yarno once under valgrind on a virtual X display, ends it as a user does (Alt+E presses
# Exit in the Sport window), and fails on a definite leak or a memory error.
# Usage: valgrind_exit.sh YARNO SUPPRESSIONS
set -euo pipefail
yarno=$1 suppressions=$2
for tool in valgrind xvfb-run xdotool; do
  command -v "$tool" >/dev/null || { echo "missing $tool (scripts/setup.sh installs it)"; exit 1; }
done
if [[ -z "${YARNO_ON_XVFB:-}" ]]; then
  # Parallel test runs start their search for a free display at different numbers.
  YARNO_ON_XVFB=1 exec xvfb-run -a --server-num=$((100 + $$ % 400)) -s "-screen 0 1024x768x24" "$0" "$@"
fi

export QT_QPA_PLATFORM=xcb
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# Libraries fork helpers (D-Bus autolaunch); only Yarno's own process is judged.
valgrind --leak-check=full --errors-for-leak-kinds=definite --error-exitcode=1 --num-callers=30 \
  --child-silent-after-fork=yes --suppressions="$suppressions" --log-file="$log" "$yarno" &
pid=$!

window=$(timeout 120 xdotool search --sync --onlyvisible --name '^Yarno$' | head -n1) || true
if [[ -z "$window" ]]; then
  echo "the Sport window never appeared"; kill "$pid"; cat "$log"; exit 1
fi
xdotool windowfocus --sync "$window"
xdotool key alt+e

status=0
timeout 120 tail --pid="$pid" -f /dev/null || { echo "yarno did not end after Alt+E"; kill "$pid"; }
wait "$pid" || status=$?
grep -E "definitely lost|ERROR SUMMARY" "$log" || true
if [[ $status -ne 0 ]]; then
  echo "valgrind or yarno failed with status $status:"
  cat "$log"
fi
exit "$status"
