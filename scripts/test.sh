#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the portable core without Qt, the plain
# build, then the same suite under AddressSanitizer and UndefinedBehaviorSanitizer; last, prints
# the benchmark figures.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"

echo "== Build and test the portable core without Qt, on a backend that records"
"$root/scripts/build.sh" "$root/build-core" -DYARNO_BACKEND=none -DYARNO_SANITIZE=ON
ctest --test-dir "$root/build-core" --output-on-failure -j"$(nproc)"

echo "== Build and test"
"$root/scripts/build.sh" "$root/build"
ctest --test-dir "$root/build" --output-on-failure -j"$(nproc)"

echo "== Build and test under AddressSanitizer and UndefinedBehaviorSanitizer"
"$root/scripts/build.sh" "$root/build-sanitize" -DYARNO_SANITIZE=ON -DYARNO_BUILD_BENCH=OFF
ctest --test-dir "$root/build-sanitize" --output-on-failure -j"$(nproc)"

echo "== Benchmarks (figures only; they pass or fail nothing)"
"$root/scripts/bench.sh" "$root/build-bench"
