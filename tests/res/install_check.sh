#!/bin/sh
# Installs the build into a scratch root and checks what a Linux desktop reads:
# the menu entry, its icon in every theme size, the software-centre record, the
# manual page and the licence notices.
# Usage: install_check.sh CMAKE BUILD_DIR WORK_DIR
set -eu
cmake=$1 build=$2 work=$3

rm -rf "$work"
DESTDIR="$work" "$cmake" --install "$build" --prefix /usr >/dev/null
root=$work/usr
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

desktop=$(ls "$root"/share/applications/*.desktop)
app_id=$(basename "$desktop" .desktop)

report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate complains: $report"
appstreamcli validate --pedantic --no-net "$root/share/metainfo/$app_id.metainfo.xml" >"$work/appstream.log" 2>&1 ||
    fail "appstreamcli: $(cat "$work/appstream.log")"

value() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(value Name)" = Yarno ] || fail "Name is '$(value Name)'"
[ "$(value Categories)" = "Game;" ] || fail "Categories is '$(value Categories)'"
# A full path: root's PATH, for one, lacks /usr/games.
[ -x "$work$(value Exec)" ] || fail "Exec '$(value Exec)' is not the full path of the installed program"
# Qt names the window's class after the entry, so an X11 dock can match the two.
[ "$(value StartupWMClass)" = "$app_id" ] || fail "StartupWMClass is '$(value StartupWMClass)', not $app_id"
gzip -t "$root/share/man/man6/yarno.6.gz" || fail "no manual page yarno(6)"

icon=$(value Icon)
for size in 16 22 24 32 48 64 128 256; do
    png=$root/share/icons/hicolor/${size}x${size}/apps/$icon.png
    [ -s "$png" ] || fail "no $png"
done

for notice in README LGPL-2.1.txt copyright; do
    [ -s "$root/share/doc/yarno/$notice" ] || fail "no licence notice $notice"
done
grep -q 'Lesser General Public License' "$root/share/doc/yarno/README" || fail "font README does not name its licence"

if [ "$failures" -ne 0 ]; then
    exit 1
fi
echo "installed files check out"
