#!/bin/sh
# Installs the build into a scratch root and checks what a Linux desktop reads:
# the menu entry, its icon in every theme size, the software-centre record and
# the licence notices.
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
appstreamcli validate --no-net "$root/share/metainfo/$app_id.metainfo.xml" >"$work/appstream.log" 2>&1 ||
    fail "appstreamcli: $(cat "$work/appstream.log")"

value() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(value Name)" = Yarno ] || fail "Name is '$(value Name)'"
[ "$(value Categories)" = "Game;" ] || fail "Categories is '$(value Categories)'"
[ -x "$root/bin/$(value Exec)" ] || fail "Exec '$(value Exec)' is not installed in bin"

icon=$(value Icon)
for size in 16 22 24 32 48 64 128 256; do
    png=$root/share/icons/hicolor/${size}x${size}/apps/$icon.png
    [ -s "$png" ] || fail "no $png"
done

for notice in README LGPL-2.1.txt; do
    [ -s "$root/share/doc/yarno/$notice" ] || fail "no licence notice $notice"
done
grep -q 'Lesser General Public License' "$root/share/doc/yarno/README" || fail "font README does not name its licence"

if [ "$failures" -ne 0 ]; then
    exit 1
fi
echo "installed files check out"
