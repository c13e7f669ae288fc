#!/usr/bin/env bash
# Plays Yarno the way a person does, under a virtual X server, and saves a screenshot of each
# window into docs/: a told Sport story, a told Lottery story, and About, and the Sport story again
# at 200 % (QT_SCALE_FACTOR=2).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" xdotool imagemagick
"$root/scripts/build.sh" "$root/build" -DYARNO_BUILD_TESTS=OFF -DYARNO_BUILD_BENCH=OFF
mkdir -p "$root/docs"

display=:$((100 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $yarno $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
sleep 1

"$root/build/app/yarno" &
yarno=$!

window() { xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1; }
answer() {  # types each answer, then Tab to the next box
  for text in "$@"; do xdotool type --delay 5 "$text"; xdotool key Tab; done
}
shoot() { sleep 0.5; import -window "$1" "$root/docs/$2.png"; echo "docs/$2.png"; }

tell_sport() {  # tell_sport SCREENSHOT
  sport=$(window Yarno)
  xdotool windowfocus --sync "$sport"
  answer Sam tennis "the Lions" ball nose clown
  xdotool key alt+s
  shoot "$sport" "$1"
}
tell_sport sport

xdotool key F2
sleep 0.5
lottery=$(window Yarno)
xdotool windowfocus --sync "$lottery"
xdotool key Tab Tab  # the focus starts on Exit; the boxes come after Submit, last first
answer thanks cake bus she 42 Ann
xdotool key alt+s
shoot "$lottery" lottery

xdotool key ctrl+a
about=$(window "About Yarno")
shoot "$about" about

xdotool windowfocus --sync "$about"
xdotool key alt+s  # Back to Sport
sleep 0.3
xdotool key alt+e  # Exit: with every other window hidden, the run ends
wait "$yarno"
echo "Yarno ended with status $?"

QT_SCALE_FACTOR=2 "$root/build/app/yarno" &
yarno=$!
tell_sport sport-200
xdotool key alt+e
wait "$yarno"
