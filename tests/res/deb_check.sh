#!/bin/sh
# Builds the .deb and checks that it installs everything, depends on what the
# program loads (including the platform plugin no linker record names), names
# the project as its maintainer, and passes Debian's lintian without an error
# or a warning.
# Usage: deb_check.sh CMAKE CPACK BUILD_DIR WORK_DIR
set -eu
cmake=$1 cpack=$2 build=$3 work=$4

# The package is made from what is built, never by building: left to itself, cpack first
# builds the tree it packages, and a test running beside this one could start a program while
# the build rewrites it. So the build is installed into a staging folder, stripped as cpack
# would, and cpack packs that folder instead of installing the project itself.
rm -rf "$work"
stage=$work/stage
DESTDIR="$stage" "$cmake" --install "$build" --prefix /usr --strip >"$work.log" 2>&1 ||
    { cat "$work.log" >&2; exit 1; }
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work" \
    -D CPACK_INSTALL_CMAKE_PROJECTS= -D "CPACK_INSTALLED_DIRECTORIES=$stage;." >>"$work.log" 2>&1 ||
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
maintainer=$(dpkg-deb -f "$deb" Maintainer)
case $maintainer in "Yarno developers <"*">") ;; *) fail "Maintainer is '$maintainer', not the project" ;; esac

dpkg-deb -c "$deb" | awk '{ print $6 }' >"$work/contents"
for path in ./usr/games/yarno ./usr/share/applications/ ./usr/share/metainfo/ \
    ./usr/share/icons/hicolor/256x256/apps/ ./usr/share/man/man6/yarno.6.gz ./usr/share/doc/yarno/copyright \
    ./usr/share/doc/yarno/LGPL-2.1.txt ./usr/share/doc/yarno/README; do
    grep -q "^$path" "$work/contents" || fail "package lacks $path"
done

# Informational and pedantic tags are listed in the log but pass.
if command -v lintian >/dev/null; then
    lintian -I --pedantic --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 ||
        fail "lintian: $(grep -Ev '^[IP]: |root privileges' "$work/lintian.log")"
else
    fail "lintian is not installed (scripts/setup.sh installs it)"
fi

if [ "$failures" -ne 0 ]; then
    exit 1
fi
echo "package checks out: Depends: $depends"
