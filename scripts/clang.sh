#!/usr/bin/env bash
# Builds the desktop with Clang in Release, warnings as errors, and runs its suite: a second
# compiler warns where GCC does not. CI runs it after the test command, which builds with GCC;
# the benchmarks are left to that build.
#
#   scripts/clang.sh [build folder]        (default: build-clang)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build-clang"}
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$build" -DCMAKE_CXX_COMPILER=clang++ -DYARNO_BUILD_TESTS=ON -DYARNO_BUILD_BENCH=OFF
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
