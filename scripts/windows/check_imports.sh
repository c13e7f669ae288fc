#!/usr/bin/env bash
# Checks that every program file in the folder needs only Windows' own DLLs and those shipped
# beside it, none of MinGW's runtime DLLs: Qt is built to link them in.
#
#   check_imports.sh FOLDER
set -euo pipefail
(( $# == 1 )) || { sed -n '2,5p' "$0" >&2; exit 2; }
folder=$1

shipped=$(cd "$folder" && find . -name '*.dll' -printf '%f\n' | tr 'A-Z' 'a-z')
while IFS= read -r file; do
  while IFS= read -r dll; do
    lower=${dll,,}
    grep -qxF "$lower" <<<"$shipped" && continue
    [[ $lower == libstdc++* || $lower == libgcc* || $lower == libwinpthread* ]] &&
      { echo "${file#"$folder/"} needs MinGW's $dll" >&2; exit 1; }
    [[ $lower == api-ms-win-* || -f /usr/x86_64-w64-mingw32/lib/lib${lower%.dll}.a ]] ||
      { echo "${file#"$folder/"} needs $dll, which is neither Windows' nor shipped" >&2; exit 1; }
  done < <(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p')
done < <(find "$folder" -name '*.exe' -o -name '*.dll')
echo "Imports: Windows and Qt DLLs only"
