#!/usr/bin/env bash
# Makes the folder users get, which runs wherever it is unpacked: the program, Qt's DLLs and the
# plugins Yarno loads (the Windows platform and the native widget style that AppStyle draws
# over), all stripped of symbols and debug information, which users have no use for; a README;
# and the licence texts.
#
#   portable_folder.sh YARNO_EXE QT_FOLDER QT_VERSION YARNO_VERSION FOLDER
set -euo pipefail
(( $# == 5 )) || { sed -n '2,7p' "$0" >&2; exit 2; }
exe=$1 qt=$2 qt_version=$3 version=$4 folder=$5
root=$(cd "$(dirname "$0")/../.." && pwd)
qt_notices=$qt/yarno-notices

rm -rf "$folder"
mkdir -p "$folder/platforms" "$folder/styles" "$folder/licenses/Qt" "$folder/licenses/font"
ship() { x86_64-w64-mingw32-strip --strip-unneeded -o "$folder/$2" "$1"; }
ship "$exe" yarno.exe
for dll in Qt6Core Qt6Gui Qt6Widgets; do ship "$qt/bin/$dll.dll" "$dll.dll"; done
ship "$qt/plugins/platforms/qwindows.dll" platforms/qwindows.dll
ship "$qt/plugins/styles/qwindowsvistastyle.dll" styles/qwindowsvistastyle.dll
cp -r "$qt_notices/LICENSES" "$qt_notices/third-party.txt" "$folder/licenses/Qt/"
cp "$root/ui/fonts/README" "$folder/licenses/font/README.txt"
cp "$root/ui/fonts/LGPL-2.1.txt" "$folder/licenses/font/"
cp "$root/LICENSE" "$folder/licenses/Yarno.txt"
cat >"$folder/README.txt" <<TEXT
Yarno $version for 64-bit Windows

Start yarno.exe. This folder runs wherever it is: nothing needs installing.

Yarno is under the licence in licenses/Yarno.txt. Its window font is under the GNU LGPL 2.1 or
later (licenses/font).

Qt $qt_version is in Qt6Core.dll, Qt6Gui.dll, Qt6Widgets.dll, platforms/qwindows.dll and
styles/qwindowsvistastyle.dll, under the GNU LGPL 3 (licenses/Qt/LICENSES/LGPL-3.0-only.txt,
which builds on licenses/Qt/LICENSES/GPL-3.0-only.txt). You may replace these DLLs with your own
build of the same Qt version. They are built, unchanged, from the source package
$(cat "$qt_notices/source.txt"), as Yarno's scripts/windows.sh does. The
third-party code inside Qt and its licences are listed in licenses/Qt/third-party.txt.
TEXT
sed -i 's/$/\r/' "$folder/README.txt"
