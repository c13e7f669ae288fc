#!/usr/bin/env bash
# Builds Yarno for 64-bit Windows on Debian 12 or Ubuntu 24.04, packages it, and plays it under
# Wine. From a fresh clone it:
#   1. installs the packages it lacks (scripts/packages-run.txt and scripts/packages-windows.txt);
#   2. builds Qt for MinGW from Debian's qt6-base source, once per Qt version, into
#      ${XDG_CACHE_HOME:-~/.cache}/yarno/qt-<version>-mingw (source and build tree beside it, in
#      yarno-qt-src), and reuses it from then on;
#   3. builds yarno.exe in Release;
#   4. packages it: Yarno-<version>-windows-x64.zip, a folder that runs where it is unpacked, and
#      Yarno-<version>-windows-x64-setup.exe, an installer; both hold Qt as replaceable DLLs and
#      the licence texts;
#   5. installs, plays and uninstalls it under Wine (scripts/wine_check.sh).
# Prints the time of each stage.
#
#   scripts/windows.sh [build folder]           (default: build-windows)
#   scripts/windows.sh --screenshot [folder]    also saves the told story under Wine as docs/windows.png
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
screenshot=false
if [[ ${1:-} == --screenshot ]]; then screenshot=true; shift; fi
build=$(mkdir -p "${1:-$root/build-windows}" && cd "${1:-$root/build-windows}" && pwd)
jobs=$(nproc)

# --- Stage timing ---------------------------------------------------------------------------
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

as_root() { if [[ $(id -u) -eq 0 ]]; then "$@"; else sudo "$@"; fi; }

# --- 1. Packages ------------------------------------------------------------------------------
begin "packages"
mapfile -t windows_packages < <(grep -vE '^\s*(#|$)' "$root/scripts/packages-windows.txt")
"$root/scripts/setup.sh" --run "${windows_packages[@]}"
end

# --- 2. Qt for MinGW --------------------------------------------------------------------------
qt_debian_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
qt_version=${qt_debian_version%%[+~-]*}
cache=${XDG_CACHE_HOME:-$HOME/.cache}
qt=$cache/yarno/qt-$qt_version-mingw
qt_src_root=$cache/yarno-qt-src
qt_build=$qt_src_root/build
host_cmake=/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake

# Off: what Yarno does not use, and features this source cannot build for MinGW: Debian removed
# the bundled wintab headers (tabletevent), its patch builds androiddeployqt when
# cross-compiling, without direct2d the first program fails to link unless directwrite3 is off
# too, and with OpenGL off the Windows platform plugin still asks for it unless dynamicgl is
# off. -static links the GCC, C++ and threads runtimes into Qt's DLLs and plugins.
qt_options=(
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake"
  -DCMAKE_INSTALL_PREFIX="$qt" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
  -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF -DFEATURE_dbus=OFF -DFEATURE_sql=OFF
  -DFEATURE_network=OFF -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
  -DFEATURE_testlib=OFF -DFEATURE_zstd=OFF -DFEATURE_icu=OFF -DFEATURE_tabletevent=OFF
  -DFEATURE_androiddeployqt=OFF -DFEATURE_direct2d=OFF -DFEATURE_directwrite3=OFF
  -DFEATURE_dynamicgl=OFF
  -DCMAKE_SHARED_LINKER_FLAGS=-static -DCMAKE_MODULE_LINKER_FLAGS=-static -DCMAKE_EXE_LINKER_FLAGS=-static
)
# What the cached Qt was built from and with, written once its installation is complete.
qt_stamp=$qt/yarno-qt-build.txt
stamp_text() { printf '%s\n' "qt6-base $qt_debian_version" "${qt_options[@]}"; }

# Whether a complete Qt built as above is installed there.
qt_installed() {
  [[ -f $qt/lib/cmake/Qt6Widgets/Qt6WidgetsConfig.cmake && -f $qt/plugins/platforms/qwindows.dll &&
     -f $qt_stamp && $(cat "$qt_stamp") == "$(stamp_text)" ]]
}

# apt-get source needs a deb-src entry; one is derived from the machine's own deb entries, so
# it names the same mirrors and keys.
enable_deb_src() {
  apt-cache showsrc qt6-base 2>/dev/null | grep -q '^Package: qt6-base$' && return
  echo "Adding deb-src entries beside the machine's deb entries"
  local list=/etc/apt/sources.list.d
  local sources=() file
  for file in "$list"/*.sources; do
    [[ -f $file && $file != "$list/yarno-src.sources" ]] && grep -q '^Types: deb$' "$file" && sources+=("$file")
  done
  if (( ${#sources[@]} )); then
    sed 's/^Types: deb$/Types: deb-src/' "${sources[@]}" | as_root tee "$list/yarno-src.sources" >/dev/null
  else
    cat /etc/apt/sources.list "$list"/*.list 2>/dev/null | sed -n 's/^deb /deb-src /p' |
      as_root tee "$list/yarno-src.list" >/dev/null
  fi
  as_root apt-get update -q
}

qt_source() { find "$qt_src_root" -maxdepth 1 -type d -name "qt6-base-$qt_version*" 2>/dev/null | sort | head -n 1; }

fetch_qt_source() {
  [[ -n $(qt_source) ]] && return
  enable_deb_src
  mkdir -p "$qt_src_root"
  (cd "$qt_src_root" && apt-get source -q "qt6-base=$qt_debian_version")
}

configure_qt() {
  local src
  src=$(qt_source)
  # One build folder, reused when the options change; another Qt source starts it afresh.
  if [[ -f $qt_build/CMakeCache.txt ]] &&
     ! grep -qxF "CMAKE_HOME_DIRECTORY:INTERNAL=$src" "$qt_build/CMakeCache.txt"; then
    rm -rf "$qt_build"
  fi
  nice cmake -G Ninja -S "$src" -B "$qt_build" \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" "${qt_options[@]}" \
    >"$build/qt-configure.log" || { tail -n 40 "$build/qt-configure.log"; exit 1; }
}

# The licence texts of Qt and of the code it bundles, kept with the cached Qt so that packaging
# needs no source tree.
qt_notices=$qt/yarno-notices
write_qt_notices() {
  local src
  src=$(qt_source)
  rm -rf "$qt_notices.new"
  mkdir -p "$qt_notices.new"
  cp -r "$src/LICENSES" "$qt_notices.new/LICENSES"
  rm -f "$qt_notices.new/LICENSES/LicenseRef-Qt-Commercial.txt"
  python3 "$root/scripts/qt_notices.py" "$src" "$qt_notices.new/third-party.txt"
  echo "qt6-base $qt_debian_version" >"$qt_notices.new/source.txt"
  rm -rf "$qt_notices"
  mv "$qt_notices.new" "$qt_notices"
}

if qt_installed; then
  begin "Qt $qt_version for MinGW (cached)"
  echo "Reusing $qt"
  end
else
  echo "== Building Qt $qt_version for MinGW into $qt (about half an hour on 2 cores)"
  begin "Qt source"; fetch_qt_source; end
  begin "Qt configure"; configure_qt; end
  begin "Qt build ($jobs jobs)"
  # The whole log goes to a file; every hundredth step is shown, so a long build is seen to move.
  nice cmake --build "$qt_build" --parallel "$jobs" 2>&1 | tee "$build/qt-build.log" |
    awk '/^\[[0-9]*00\// { print; fflush() }' || { tail -n 40 "$build/qt-build.log"; exit 1; }
  end
  begin "Qt install"
  cmake --install "$qt_build" >"$build/qt-install.log"
  stamp_text >"$qt_stamp"
  end
fi
if [[ ! -f $qt_notices/source.txt ]]; then
  begin "Qt licence notices"
  fetch_qt_source
  write_qt_notices
  end
fi

# --- 3. yarno.exe -----------------------------------------------------------------------------
begin "yarno.exe (Release)"
# The icon drawer runs under Wine during the build, in a Wine prefix of the build's own.
export WINEPREFIX=$build/wine-build WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
cmake -G Ninja -S "$root" -B "$build/yarno" \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DCMAKE_PREFIX_PATH="$qt" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake" \
  -DCMAKE_BUILD_TYPE=Release -DYARNO_BUILD_TESTS=OFF -DYARNO_BUILD_BENCH=OFF >/dev/null
nice cmake --build "$build/yarno" --parallel "$jobs"
end

# --- 4. Packages for Windows ------------------------------------------------------------------
begin "zip and installer"
version=$(sed -n 's/^project(Yarno VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
IFS=. read -r major minor patch <<<"$version"
short_version=$major.$minor
name=Yarno-$short_version
exe=$build/yarno/yarno.exe  # Qt puts a Windows build's programs at the top of the build folder
icon=$build/yarno/res/icon/yarno.ico
objdump=x86_64-w64-mingw32-objdump

# The folder users get: the program, Qt's DLLs and the plugins Yarno loads (the Windows
# platform and the native widget style that AppStyle draws over), and the notices.
folder=$build/$name
rm -rf "$folder"
mkdir -p "$folder/platforms" "$folder/styles" "$folder/licenses/Qt" "$folder/licenses/font"
# Stripped of symbols and debug information, which users have no use for.
ship() { x86_64-w64-mingw32-strip --strip-unneeded -o "$folder/$2" "$1"; }
ship "$exe" yarno.exe
for dll in Qt6Core Qt6Gui Qt6Widgets; do ship "$qt/bin/$dll.dll" "$dll.dll"; done
ship "$qt/plugins/platforms/qwindows.dll" platforms/qwindows.dll
ship "$qt/plugins/styles/qwindowsvistastyle.dll" styles/qwindowsvistastyle.dll
cp -r "$qt_notices/LICENSES" "$qt_notices/third-party.txt" "$folder/licenses/Qt/"
cp "$root/ui/fonts/README" "$folder/licenses/font/README.txt"
cp "$root/ui/fonts/LGPL-2.1.txt" "$folder/licenses/font/"
cp "$root/LICENSE" "$folder/licenses/Yarno.txt"
cat >"$folder/README.txt" <<EOF
Yarno $short_version for 64-bit Windows

Start yarno.exe. This folder runs wherever it is: nothing needs installing.

Yarno is under the licence in licenses/Yarno.txt. Its window font is under the GNU LGPL 2.1 or
later (licenses/font).

Qt $qt_version is in Qt6Core.dll, Qt6Gui.dll, Qt6Widgets.dll, platforms/qwindows.dll and
styles/qwindowsvistastyle.dll, under the GNU LGPL 3 (licenses/Qt/LICENSES/LGPL-3.0-only.txt,
which builds on licenses/Qt/LICENSES/GPL-3.0-only.txt). You may replace these DLLs with your own
build of the same Qt version. They are built, unchanged, from the source package
$(cat "$qt_notices/source.txt"), as Yarno's scripts/windows.sh does. The
third-party code inside Qt and its licences are listed in licenses/Qt/third-party.txt.
EOF
sed -i 's/$/\r/' "$folder/README.txt"

# Every program file may need only Windows' own DLLs and Qt's, none of MinGW's runtime DLLs.
shipped=$(cd "$folder" && find . -name '*.dll' -printf '%f\n' | tr 'A-Z' 'a-z')
while IFS= read -r file; do
  while IFS= read -r dll; do
    lower=${dll,,}
    grep -qxF "$lower" <<<"$shipped" && continue
    [[ $lower == libstdc++* || $lower == libgcc* || $lower == libwinpthread* ]] &&
      { echo "${file#"$folder/"} needs MinGW's $dll" >&2; exit 1; }
    [[ $lower == api-ms-win-* || -f /usr/x86_64-w64-mingw32/lib/lib${lower%.dll}.a ]] ||
      { echo "${file#"$folder/"} needs $dll, which is neither Windows' nor shipped" >&2; exit 1; }
  done < <($objdump -p "$file" | sed -n 's/^\s*DLL Name: //p')
done < <(find "$folder" -name '*.exe' -o -name '*.dll')
echo "Imports: Windows and Qt DLLs only"

python3 "$root/scripts/check_windows_resources.py" "$folder/yarno.exe" "$root/res/yarno.rc" "$icon"

zip_file=$build/$name-windows-x64.zip
rm -f "$zip_file"
(cd "$build" && zip -q -r -X "$zip_file" "$name")

# The installer installs exactly the folder's files and its uninstaller removes exactly those.
files=$build/installer-files.nsh
{
  echo '!ifdef INSTALL_FILES'
  (cd "$folder" && find . -type d | sort) | while IFS= read -r dir; do
    mapfile -t in_dir < <(cd "$folder/$dir" && find . -maxdepth 1 -type f -printf '%f\n' | sort)
    (( ${#in_dir[@]} )) || continue
    sub=${dir#.}; sub=${sub//\//\\}
    echo "SetOutPath \"\$INSTDIR$sub\""
    for f in "${in_dir[@]}"; do echo "File \"$folder${dir#.}/$f\""; done
  done
  echo 'SetOutPath "$INSTDIR"'
  echo '!endif'
  echo '!ifdef UNINSTALL_FILES'
  (cd "$folder" && find . -type f | sort) | while IFS= read -r f; do
    f=${f#./}; echo "Delete \"\$INSTDIR\\${f//\//\\}\""
  done
  (cd "$folder" && find . -mindepth 1 -type d | sort -r) | while IFS= read -r dir; do
    dir=${dir#./}; echo "RMDir \"\$INSTDIR\\${dir//\//\\}\""
  done
  echo '!endif'
} >"$files"
installer=$build/$name-windows-x64-setup.exe
makensis -V2 -NOCD \
  -DVERSION="$short_version" -DVERSION4="$major.$minor.${patch:-0}.0" \
  -DFILES="$files" -DICON="$icon" -DOUTFILE="$installer" \
  -DSIZE_KB="$(du -sk "$folder" | cut -f1)" "$root/res/windows/yarno.nsi"
ls -l "$zip_file" "$installer" | awk '{ printf "%s: %.1f MB\n", $NF, $5 / 1e6 }'
end

# --- 5. Wine ----------------------------------------------------------------------------------
begin "Wine check"
unset WINEPREFIX
"$root/scripts/wine_check.sh" "$installer" "$folder" "$build/wine-check"
if $screenshot; then
  cp "$build/wine-check/told-story.png" "$root/docs/windows.png"
  echo "docs/windows.png"
fi
end

echo "== Done: $zip_file and $installer"
