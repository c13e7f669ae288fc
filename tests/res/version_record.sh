#!/bin/sh
# Compiles yarno.rc the way a Windows build does, decompiles the result and
# compares the icon group and the version record with what Yarno must carry.
# Usage: version_record.sh WINDRES RC_FILE ICON_DIR EXPECTED WORK_DIR
set -eu
windres=$1 rc=$2 icon_dir=$3 expected=$4 work=$5

rm -rf "$work"
mkdir -p "$work"
# The host preprocessor stands in for the MinGW one, which this machine need not have.
"$windres" --preprocessor=cpp -I "$icon_dir" -i "$rc" -O res -o "$work/yarno.res"
"$windres" -i "$work/yarno.res" -O rc -o "$work/decompiled.rc"

# Only the language, the group and the version blocks; comments and spacing
# are the decompiler's own and do not count.
normalise() {
    sed 's|/\*.*\*/||g' | tr -d ' \t' | grep -v '^$'
}
awk '/^LANGUAGE/ { print }
     /RT_GROUP_ICON|VERSIONINFO/ { inside = 1 }
     inside { print }
     inside && /^END/ { inside = 0 }' "$work/decompiled.rc" | normalise >"$work/actual"
normalise <"$expected" >"$work/expected"
diff -u "$work/expected" "$work/actual"

icons=$(grep -c '/\* RT_ICON \*/' "$work/decompiled.rc")
if [ "$icons" -ne 3 ]; then
    echo "expected 3 icon images, found $icons" >&2
    exit 1
fi
echo "version record and icon group match"
