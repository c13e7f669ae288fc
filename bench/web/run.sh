#!/bin/sh
# Benchmarks the built page in Chromium; the browser tests' node_modules supply Playwright.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
if [ ! -d "$here/../../tests/web/node_modules/playwright" ]; then
    (cd "$here/../../tests/web" && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund)
fi
exec node "$here/bench.js" "$@"
