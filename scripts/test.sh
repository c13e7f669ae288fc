#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the portable core without Qt, the plain
# build (Release), then the same suite under AddressSanitizer and UndefinedBehaviorSanitizer;
# last, prints the benchmark figures of the plain build, which pass or fail nothing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"

# The sanitizer builds keep their debugging information, for the stacks they print.
echo "== Build and test the portable core without Qt, on a backend that records"
"$root/scripts/build.sh" "$root/build-core" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DYARNO_BACKEND=none -DYARNO_SANITIZE=ON
ctest --test-dir "$root/build-core" --output-on-failure -j"$(nproc)"

# Tests and benchmarks named, as scripts/run.sh leaves them off in the same folder.
echo "== Build and test"
"$root/scripts/build.sh" "$root/build" -DYARNO_BUILD_TESTS=ON -DYARNO_BUILD_BENCH=ON
ctest --test-dir "$root/build" --output-on-failure -j"$(nproc)"

echo "== Build and test under AddressSanitizer and UndefinedBehaviorSanitizer"
"$root/scripts/build.sh" "$root/build-sanitize" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DYARNO_SANITIZE=ON -DYARNO_BUILD_BENCH=OFF
ctest --test-dir "$root/build-sanitize" --output-on-failure -j"$(nproc)"

echo "== Benchmarks (figures only; they pass or fail nothing)"
"$root/scripts/bench.sh" "$root/build" ||
  echo "== The benchmarks stopped early (exit status $?): their figures are incomplete; the tests above stand"
