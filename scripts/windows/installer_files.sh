#!/usr/bin/env bash
# Prints the NSIS lines that install exactly the folder's files (under INSTALL_FILES) and that
# remove exactly those and their folders (under UNINSTALL_FILES); res/windows/yarno.nsi includes
# them.
#
#   installer_files.sh FOLDER > FILE.nsh
set -euo pipefail
(( $# == 1 )) || { sed -n '2,6p' "$0" >&2; exit 2; }
folder=$1

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
