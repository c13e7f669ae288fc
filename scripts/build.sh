#!/usr/bin/env bash
# Configures and builds Yarno into a build folder: build.sh [folder] [extra cmake arguments...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
folder=${1:-"$root/build"}
shift || true
cmake -S "$root" -B "$folder" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$folder" -j"$(nproc)"
