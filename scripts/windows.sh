#!/usr/bin/env bash
# Builds Yarno for 64-bit Windows on Debian 12 or Ubuntu 24.04, packages it, and plays it under
# Wine. From a fresh clone it runs these stages, the scripts in scripts/windows/, and prints the
# time of each:
#   1. installs the packages it lacks (scripts/setup.sh --windows);
#   2. builds Qt for MinGW from Debian's qt6-base source, once per Qt version, into
#      ${XDG_CACHE_HOME:-~/.cache}/yarno/qt-<version>-mingw, and reuses it from then on (qt.sh);
#   3. builds yarno.exe in Release;
#   4. packages it: Yarno-<version>-windows-x64.zip, a folder that runs where it is unpacked
#      (portable_folder.sh), and Yarno-<version>-windows-x64-setup.exe, an installer
#      (installer_files.sh, res/windows/yarno.nsi); both hold Qt as replaceable DLLs and the
#      licence texts. Checks first that the files import only Windows' DLLs and Qt's
#      (check_imports.sh) and that yarno.exe carries its version record and icon
#      (check_resources.py);
#   5. installs, plays and uninstalls it under Wine (wine_check.sh).
#
#   scripts/windows.sh [build folder]           (default: build-windows)
#   scripts/windows.sh --screenshot [folder]    also saves the told story under Wine as docs/windows.png
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
stages=$root/scripts/windows
screenshot=false
if [[ ${1:-} == --screenshot ]]; then screenshot=true; shift; fi
build=$(mkdir -p "${1:-$root/build-windows}" && cd "${1:-$root/build-windows}" && pwd)

timings=()
stage_name="" stage_start=0
begin() { stage_name=$1; stage_start=$(date +%s); echo "== $1"; }
end() {
  local seconds=$(( $(date +%s) - stage_start ))
  timings+=("$(printf '%-34s %4d min %02d s' "$stage_name" $((seconds / 60)) $((seconds % 60)))")
  echo "== $stage_name: ${seconds} s"
}
report() {
  local status=$?
  echo "== Stage times"
  printf '   %s\n' "${timings[@]}"
  (( status == 0 )) || echo "== FAILED in stage: $stage_name"
}
trap report EXIT

begin "packages"
"$root/scripts/setup.sh" --windows
end

{ read -r qt_version; read -r qt; } < <("$stages/qt.sh" where)
lacks=$("$stages/qt.sh" lacks)
if [[ $lacks == qt ]]; then
  echo "== Building Qt $qt_version for MinGW into $qt (about half an hour on 2 cores)"
  begin "Qt source"; "$stages/qt.sh" source; end
  begin "Qt configure"; "$stages/qt.sh" configure "$build"; end
  begin "Qt build ($(nproc) jobs)"; "$stages/qt.sh" build "$build"; end
  begin "Qt install"; "$stages/qt.sh" install "$build"; end
  lacks=$("$stages/qt.sh" lacks)
else
  begin "Qt $qt_version for MinGW (cached)"; echo "Reusing $qt"; end
fi
if [[ $lacks == notices ]]; then
  begin "Qt licence notices"; "$stages/qt.sh" notices; end
fi

begin "yarno.exe (Release)"
# The icon drawer runs under Wine during the build, in a Wine prefix of the build's own.
export WINEPREFIX=$build/wine-build WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
cmake -G Ninja -S "$root" -B "$build/yarno" \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DCMAKE_PREFIX_PATH="$qt" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
  -DCMAKE_BUILD_TYPE=Release -DYARNO_BUILD_TESTS=OFF -DYARNO_BUILD_BENCH=OFF \
  -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
nice cmake --build "$build/yarno" --parallel "$(nproc)"
end

begin "zip and installer"
version=$(sed -n 's/^project(Yarno VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
IFS=. read -r major minor patch <<<"$version"
name=Yarno-$major.$minor
folder=$build/$name
icon=$build/yarno/res/icon/yarno.ico
# Qt puts a Windows build's programs at the top of the build folder.
"$stages/portable_folder.sh" "$build/yarno/yarno.exe" "$qt" "$qt_version" "$major.$minor" "$folder"
"$stages/check_imports.sh" "$folder"
python3 "$stages/check_resources.py" "$folder/yarno.exe" "$root/res/yarno.rc" "$icon"
zip_file=$build/$name-windows-x64.zip
rm -f "$zip_file"
(cd "$build" && zip -q -r -X "$zip_file" "$name")
"$stages/installer_files.sh" "$folder" >"$build/installer-files.nsh"
installer=$build/$name-windows-x64-setup.exe
makensis -V2 -NOCD \
  -DVERSION="$major.$minor" -DVERSION4="$major.$minor.${patch:-0}.0" \
  -DFILES="$build/installer-files.nsh" -DICON="$icon" -DOUTFILE="$installer" \
  -DSIZE_KB="$(du -sk "$folder" | cut -f1)" "$root/res/windows/yarno.nsi"
ls -l "$zip_file" "$installer" | awk '{ printf "%s: %.1f MB\n", $NF, $5 / 1e6 }'
end

begin "Wine check"
unset WINEPREFIX
"$stages/wine_check.sh" "$installer" "$folder" "$build/wine-check"
if $screenshot; then
  cp "$build/wine-check/told-story.png" "$root/docs/windows.png"
  echo "docs/windows.png"
fi
end

echo "== Done: $zip_file and $installer"
