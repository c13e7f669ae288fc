#!/bin/sh
# Benchmarks the built page in Chromium; the browser tests' npm packages supply Playwright.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
"$here/../../tests/web/install.sh"
exec node "$here/bench.js" "$@"
