#!/usr/bin/env bash
# Installs what is missing, builds, and starts Yarno.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" --run
"$root/scripts/build.sh" "$root/build" -DYARNO_BUILD_TESTS=OFF -DYARNO_BUILD_BENCH=OFF
exec "$root/build/app/yarno"
