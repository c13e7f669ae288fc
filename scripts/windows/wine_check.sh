#!/usr/bin/env bash
# Plays the Windows build the way a Windows user would, under Wine in a private prefix, on a
# virtual X server with a window manager (scripts/virtual_x.sh):
#   install silently with the installer; check the files, the Start Menu shortcut and the
#   uninstall entry; start the installed yarno.exe, type answers, Submit (Alt+S) and check that
#   the story shows; open About (Ctrl+A), go Back to Lottery (Alt+L), Exit (Alt+E) and check
#   that the run ends with status 0 and no "Program Error" dialog; uninstall silently and check
#   that nothing is left.
# Every Wine step has a timeout: a crash under Wine opens a dialog and waits instead of exiting.
#
#   scripts/windows/wine_check.sh INSTALLER PORTABLE_FOLDER OUTPUT_FOLDER
# OUTPUT_FOLDER gets the Wine prefix, wine.log, and screenshots (told-story.png, about.png).
set -euo pipefail
(( $# == 3 )) || { sed -n '2,12p' "$0" >&2; exit 2; }
installer=$(realpath "$1") folder=$(realpath "$2") out=$3

wine=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
rm -rf "$out"
mkdir -p "$out"
out=$(realpath "$out")
log=$out/wine.log
export WINEPREFIX=$out/prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
program_files="$WINEPREFIX/drive_c/Program Files"
installed="$program_files/Yarno"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Yarno.lnk"
uninstall_key='[Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Yarno]'

source "$(dirname "$0")/../virtual_x.sh"
yarno=""
cleanup() {
  set +e
  [[ -n $yarno ]] && kill "$yarno" 2>/dev/null
  timeout 30 "$wineserver" -k 2>/dev/null
  stop_x
  wait 2>/dev/null
}
trap cleanup EXIT

fail() {
  echo "Wine check FAILED: $*" >&2
  import -window root "$out/failure.png" 2>/dev/null && echo "Screen at the failure: $out/failure.png" >&2
  tail -n 20 "$log" >&2
  exit 1
}
# run SECONDS WHAT COMMAND...: a Wine step, bounded in time, its output in the log.
run() {
  local seconds=$1 what=$2
  shift 2
  echo "-- $what" >>"$log"
  timeout "$seconds" "$@" >>"$log" 2>&1 || fail "$what (status $?)"
}
no_error_dialog() {
  if xdotool search --name "Program Error" >/dev/null 2>&1; then fail "a Program Error dialog $1"; fi
}
visible() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }
wait_window() { window "$1" || fail "no window \"$1\" within 60 s"; }

start_x 1024x768x24 --window-manager
echo "Wine check in $WINEPREFIX (log: $log)"
run 300 "prepare the Wine prefix" "$wine" wineboot -i
run 300 "wait for Wine" "$wineserver" -w

# --- Install ---
run 300 "install silently" "$wine" "$installer" /S
run 300 "wait for the installer" "$wineserver" -w
[[ -f $installed/yarno.exe ]] || fail "the installer put no yarno.exe in Program Files"
diff <(cd "$folder" && find . -type f | sort) <(cd "$installed" && find . -type f ! -name Uninstall.exe | sort) \
  >>"$log" || fail "the installed files differ from the portable folder's"
while IFS= read -r file; do
  cmp -s "$folder/$file" "$installed/$file" || fail "the installed $file differs from the portable folder's"
done < <(cd "$folder" && find . -type f)
[[ -f $installed/Uninstall.exe ]] || fail "no uninstaller"
[[ -f $shortcut ]] || fail "no Start Menu shortcut"
entry=$(key=$uninstall_key awk 'index($0, ENVIRON["key"]) == 1 { on = 1; next } /^\[/ { on = 0 } on' "$WINEPREFIX/system.reg")
for value in '"DisplayName"="Yarno"' '"Publisher"="Orvask"' '"DisplayVersion"="' '"DisplayIcon"="' '"UninstallString"="'; do
  grep -qF "$value" <<<"$entry" || fail "the uninstall entry lacks $value"
done
echo "Installed: $(find "$installed" -type f | wc -l) files, Start Menu shortcut, uninstall entry"

# --- Play ---
echo "-- play" >>"$log"
timeout 300 "$wine" 'C:\Program Files\Yarno\yarno.exe' >>"$log" 2>&1 &
yarno=$!
sport=$(wait_window Yarno)
sleep 2
no_error_dialog "at start-up"
focus "$sport"
type_answers Sam tennis "the Lions" ball nose clown
shoot "$sport" "$out/answered.png"
xdotool key alt+s
shoot "$sport" "$out/told-story.png"
no_error_dialog "after Submit"
# The story is in the lower part of the window, below the buttons; it was empty before Submit.
band() { convert "$out/$1" -crop "+0+250" +repage "$out/band-$1"; }
band answered.png
band told-story.png
changed=$(compare -metric AE "$out/band-answered.png" "$out/band-told-story.png" null: 2>&1 || true)
(( ${changed%%.*} > 1000 )) || fail "the story did not show after Submit ($changed pixels changed)"
echo "Sport story told: $changed pixels of the story band changed ($out/told-story.png)"

xdotool key ctrl+a
about=$(wait_window "About Yarno")
shoot "$about" "$out/about.png"
no_error_dialog "after About opened"
focus "$about"
xdotool key alt+l
for _ in $(seq 50); do [[ -z $(visible "About Yarno") ]] && break; sleep 0.2; done
[[ -z $(visible "About Yarno") ]] || fail "About stayed open after Alt+L"
lottery=$(wait_window Yarno)
no_error_dialog "after Back to Lottery"
focus "$lottery"
xdotool key alt+e
status=0
wait "$yarno" || status=$?
yarno=""
(( status == 0 )) || fail "Yarno ended with status $status"
no_error_dialog "at the end"
echo "About opened, Back to Lottery, Exit: Yarno ended with status 0"

# --- Uninstall ---
run 120 "uninstall silently" "$wine" 'C:\Program Files\Yarno\Uninstall.exe' /S
run 120 "wait for the uninstaller" "$wineserver" -w
[[ ! -e $installed ]] || fail "the uninstaller left $(find "$installed" | head -n 5 | tr '\n' ' ')"
[[ ! -e $shortcut ]] || fail "the uninstaller left the Start Menu shortcut"
! grep -qF "$uninstall_key" "$WINEPREFIX/system.reg" || fail "the uninstaller left the uninstall entry"
echo "Uninstalled: nothing left in Program Files, no shortcut, no uninstall entry"
