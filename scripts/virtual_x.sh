# A virtual X server for the scripts that play Yarno or time it (screenshots.sh,
# windows/wine_check.sh, bench.sh). Source it, then:
#   start_x WIDTHxHEIGHTxDEPTH [--window-manager]
#       starts Xvfb on a free display, and openbox when asked, and points DISPLAY at it;
#   stop_x                 ends them (call it from the script's EXIT trap);
#   window TITLE           prints the id of the visible window with exactly that title, waiting up
#                          to 60 s, and fails when none shows;
#   focus WINDOW           gives the window the keyboard focus;
#   type_answers TEXT...   types each text into the focused box, then Tab to the next;
#   shoot WINDOW FILE      saves the window, once it has settled, as a picture.
# Needs Xvfb, xdotool and ImageMagick's import, and openbox for a window manager.

x_server="" x_window_manager=""

start_x() {
  local number_file
  number_file=$(mktemp)
  # Xvfb picks a display no other server holds and writes its number once it accepts clients.
  Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
  x_server=$!
  for _ in $(seq 100); do [[ -s $number_file ]] && break; sleep 0.1; done
  [[ -s $number_file ]] || { echo "Xvfb did not start" >&2; rm -f "$number_file"; return 1; }
  export DISPLAY=:$(<"$number_file")
  rm -f "$number_file"
  if [[ ${2:-} == --window-manager ]]; then
    openbox --sm-disable >/dev/null 2>&1 &
    x_window_manager=$!
    for _ in $(seq 50); do
      xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
      sleep 0.1
    done
  fi
}

stop_x() {
  [[ -n $x_window_manager ]] && kill "$x_window_manager" 2>/dev/null
  [[ -n $x_server ]] && kill "$x_server" 2>/dev/null
  [[ -n $x_server ]] && wait "$x_server" 2>/dev/null
  x_server="" x_window_manager=""
}

window() {
  local id
  id=$(timeout 60 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
  [[ -n $id ]] || { echo "no window \"$1\" within 60 s" >&2; return 1; }
  echo "$id"
}

# Through the window manager when there is one; without one, X's own focus.
focus() {
  timeout 10 xdotool windowactivate --sync "$1" >/dev/null 2>&1 ||
    timeout 10 xdotool windowfocus --sync "$1" >/dev/null 2>&1 || xdotool windowfocus "$1"
  sleep 0.3
}

type_answers() {
  local text
  for text in "$@"; do
    xdotool type --delay 20 "$text"
    xdotool key Tab
  done
}

shoot() { sleep 0.7; import -window "$1" "$2"; }
