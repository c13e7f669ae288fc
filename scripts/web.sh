#!/usr/bin/env bash
# Builds the web page, build-web/yarno.html: the whole program in one file that plays from disk
# or from any static server; build-web/site/, the same page as a site to install on a phone and
# play offline; beside them, the pages only the browser tests open (tests/web/).
# Installs the Debian packages it lacks (packages-web.txt) first, and afterwards runs the browser
# tests, tests/web/run.sh, where there are any.
#
#   scripts/web.sh [--build-only]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
build="$root/build-web"

build_only=false
if [[ ${1:-} == --build-only ]]; then
  build_only=true
  shift
fi

"$here/setup.sh" --web

# Debian's emscripten runs its tools on the system's node, which finds its modules here.
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S "$root" -B "$build" -DYARNO_BACKEND=web -DYARNO_BUILD_TESTS=ON -DCMAKE_BUILD_TYPE=MinSizeRel \
  -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
cmake --build "$build" -j "$(nproc)"

page="$build/yarno.html"
echo "Built $page: $(stat -c %s "$page") bytes, $(gzip -9c "$page" | wc -c) gzipped"
echo "Built $build/site/: copy it to any static host (https) to install Yarno on a phone"
if ! $build_only && [[ -f "$root/tests/web/run.sh" ]]; then
  bash "$root/tests/web/run.sh" "$page"
fi
