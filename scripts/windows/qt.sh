#!/usr/bin/env bash
# Qt for MinGW, built from Debian's qt6-base source with the host's Qt tools, once per Qt version
# and set of options, into ${XDG_CACHE_HOME:-~/.cache}/yarno/qt-<version>-mingw (source and build
# tree beside it, in yarno-qt-src), together with the licence texts of Qt and of the code it
# bundles, so that packaging needs no source tree. scripts/windows.sh runs its steps in turn:
#
#   qt.sh where                  prints the Qt version, then the folder Qt is installed in
#   qt.sh lacks                  prints "qt" when no complete Qt built as here is installed there,
#                                "notices" when only the licence texts are missing, else nothing
#   qt.sh source                 fetches the source unless it is there
#   qt.sh configure LOG_FOLDER   configures the build; LOG_FOLDER gets qt-configure.log
#   qt.sh build LOG_FOLDER       builds, showing every hundredth step; the log is qt-build.log
#   qt.sh install LOG_FOLDER     installs, then stamps the installation as complete
#   qt.sh notices                writes the licence texts
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)

qt_debian_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
qt_version=${qt_debian_version%%[+~-]*}
cache=${XDG_CACHE_HOME:-$HOME/.cache}
qt=$cache/yarno/qt-$qt_version-mingw
qt_src_root=$cache/yarno-qt-src
qt_build=$qt_src_root/build
qt_notices=$qt/yarno-notices
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

qt_installed() {
  [[ -f $qt/lib/cmake/Qt6Widgets/Qt6WidgetsConfig.cmake && -f $qt/plugins/platforms/qwindows.dll &&
     -f $qt_stamp && $(cat "$qt_stamp") == "$(stamp_text)" ]]
}

# apt-get source needs deb-src entries. They are derived from the machine's own deb entries, so
# they name the same mirrors and keys, into an apt configuration of the fetch's own beside the
# source, with its own package lists and cache, removed once the source is in: the machine's
# apt configuration and state stay as they were.
fetch_apt=$qt_src_root/apt
private_apt=(-o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$fetch_apt/sources.list.d"
  -o Dir::State::Lists="$fetch_apt/lists" -o Dir::Cache="$fetch_apt/cache")

write_deb_src() {
  local file
  rm -rf "$fetch_apt"
  mkdir -p "$fetch_apt/sources.list.d" "$fetch_apt/lists/partial" "$fetch_apt/cache/archives/partial"
  for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    if [[ -f $file ]]; then sed -n 's/^deb /deb-src /p' "$file" >"$fetch_apt/sources.list.d/${file##*/}"; fi
  done
  for file in /etc/apt/sources.list.d/*.sources; do
    if [[ -f $file ]]; then sed -E 's/^Types:.*/Types: deb-src/' "$file" >"$fetch_apt/sources.list.d/${file##*/}"; fi
  done
}

qt_source() { find "$qt_src_root" -maxdepth 1 -type d -name "qt6-base-$qt_version*" 2>/dev/null | sort | head -n 1; }

fetch_source() {
  [[ -n $(qt_source) ]] && return
  write_deb_src
  apt-get "${private_apt[@]}" update -q
  (cd "$qt_src_root" && apt-get "${private_apt[@]}" source -q "qt6-base=$qt_debian_version")
  rm -rf "$fetch_apt"
}

configure() {
  local src log=$1/qt-configure.log
  src=$(qt_source)
  # One build folder, reused when the options change; another Qt source starts it afresh.
  if [[ -f $qt_build/CMakeCache.txt ]] &&
     ! grep -qxF "CMAKE_HOME_DIRECTORY:INTERNAL=$src" "$qt_build/CMakeCache.txt"; then
    rm -rf "$qt_build"
  fi
  nice cmake -G Ninja -S "$src" -B "$qt_build" \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" "${qt_options[@]}" \
    >"$log" || { tail -n 40 "$log"; exit 1; }
}

build() {
  local log=$1/qt-build.log
  # The whole log goes to a file; every hundredth step is shown, so a long build is seen to move.
  nice cmake --build "$qt_build" --parallel "$(nproc)" 2>&1 | tee "$log" |
    awk '/^\[[0-9]*00\// { print; fflush() }' || { tail -n 40 "$log"; exit 1; }
}

install() {
  cmake --install "$qt_build" >"$1/qt-install.log"
  stamp_text >"$qt_stamp"
}

write_notices() {
  local src
  fetch_source
  src=$(qt_source)
  rm -rf "$qt_notices.new"
  mkdir -p "$qt_notices.new"
  cp -r "$src/LICENSES" "$qt_notices.new/LICENSES"
  rm -f "$qt_notices.new/LICENSES/LicenseRef-Qt-Commercial.txt"
  python3 "$here/qt_notices.py" "$src" "$qt_notices.new/third-party.txt"
  echo "qt6-base $qt_debian_version" >"$qt_notices.new/source.txt"
  rm -rf "$qt_notices"
  mv "$qt_notices.new" "$qt_notices"
}

case ${1:-} in
  where) printf '%s\n' "$qt_version" "$qt" ;;
  lacks)
    if ! qt_installed; then echo qt
    elif [[ ! -f $qt_notices/source.txt ]]; then echo notices
    fi ;;
  source) fetch_source ;;
  configure) configure "$2" ;;
  build) build "$2" ;;
  install) install "$2" ;;
  notices) write_notices ;;
  *) sed -n '2,15p' "$0" >&2; exit 2 ;;
esac
