#!/usr/bin/env bash
# Configures and builds Yarno into a build folder, in Release (what a packager builds, and what
# the benchmarks measure) with warnings as errors (ours is the compiler they were mended for):
#   build.sh [folder] [extra cmake arguments...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
folder=${1:-"$root/build"}
shift || true
cmake -S "$root" -B "$folder" -DCMAKE_BUILD_TYPE=Release -DCMAKE_COMPILE_WARNING_AS_ERROR=ON "$@" >/dev/null
cmake --build "$folder" -j"$(nproc)"
