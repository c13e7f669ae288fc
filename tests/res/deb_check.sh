#!/bin/sh
# Builds the .deb and checks that it installs everything and depends on what
# the program loads, including the platform plugin no linker record names.
# Usage: deb_check.sh CPACK BUILD_DIR WORK_DIR
set -eu
cpack=$1 build=$2 work=$3

rm -rf "$work"
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work.log" 2>&1 ||
    { cat "$work.log" >&2; exit 1; }
deb=$(ls "$work"/*.deb)
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

depends=$(dpkg-deb -f "$deb" Depends)
for package in qt6-qpa-plugins libqt6widgets6 libqt6gui6 libqt6core6 libc6; do
    echo "$depends" | grep -Eq "(^|, )$package( |,|$)" || fail "Depends lacks $package: $depends"
done
[ "$(dpkg-deb -f "$deb" Package)" = yarno ] || fail "package is not named yarno"

dpkg-deb -c "$deb" | awk '{ print $6 }' >"$work/contents"
for path in ./usr/bin/yarno ./usr/share/applications/ ./usr/share/metainfo/ \
    ./usr/share/icons/hicolor/256x256/apps/ ./usr/share/doc/yarno/LGPL-2.1.txt ./usr/share/doc/yarno/README; do
    grep -q "^$path" "$work/contents" || fail "package lacks $path"
done

if [ "$failures" -ne 0 ]; then
    exit 1
fi
echo "package checks out: Depends: $depends"
