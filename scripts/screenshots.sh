#!/usr/bin/env bash
# Plays Yarno the way a person does, under a virtual X server (scripts/virtual_x.sh), and saves a
# screenshot of each window into docs/: a told Sport story, a told Lottery story, and About, and
# the Sport story again at 200 % (QT_SCALE_FACTOR=2). Then the whole screen where the windows flow,
# a Sport story told at 200 %: on a 1366 x 768 laptop, with a window manager, and on a phone's
# 720 x 1440 screen, which gives the window all of it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" xdotool imagemagick
"$root/scripts/build.sh" "$root/build" -DYARNO_BUILD_TESTS=OFF -DYARNO_BUILD_BENCH=OFF
mkdir -p "$root/docs"

source "$root/scripts/virtual_x.sh"
yarno=""
trap '[[ -n $yarno ]] && kill "$yarno" 2>/dev/null; stop_x' EXIT
start_x 1280x1024x24

save() { shoot "$1" "$root/docs/$2.png"; echo "docs/$2.png"; }

tell_sport() {  # tell_sport SCREENSHOT
  sport=$(window Yarno)
  focus "$sport"
  type_answers Sam tennis "the Lions" ball nose clown
  xdotool key alt+s
  save "$sport" "$1"
}

"$root/build/app/yarno" &
yarno=$!
tell_sport sport

xdotool key F2
sleep 0.5
lottery=$(window Yarno)
focus "$lottery"
xdotool key Tab Tab  # the focus starts on Exit; the boxes come after Submit, last first
type_answers thanks cake bus she 42 Ann
xdotool key alt+s
save "$lottery" lottery

xdotool key ctrl+a
about=$(window "About Yarno")
save "$about" about

focus "$about"
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
yarno=""

tell_sport_on_screen() {  # tell_sport_on_screen SCREEN SCREENSHOT [--window-manager]
  stop_x
  start_x "$1x24" ${3:-}
  QT_SCALE_FACTOR=2 "$root/build/app/yarno" &
  yarno=$!
  sport=$(window Yarno)
  focus "$sport"
  type_answers Sam tennis "the Lions" ball nose clown
  xdotool key alt+s
  shoot root "$root/docs/$2.png"
  echo "docs/$2.png"
  xdotool key alt+e
  wait "$yarno"
  yarno=""
}
tell_sport_on_screen 1366x768 flow-laptop --window-manager
tell_sport_on_screen 720x1440 flow-phone
