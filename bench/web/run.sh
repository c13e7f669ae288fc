#!/bin/sh
# Benchmarks the built page in Chromium (bench.js; the browser tests' npm packages supply
# Playwright), the program's start on the site at a 4x slower CPU (start_tasks.js), then the site
# for phones under Lighthouse's mobile run (lighthouse.js, with Lighthouse pinned in this folder's
# own lock file). Debian's Chromium runs them all.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
"$here/../../tests/web/install.sh" "$here/../../tests/web" "$here"
node "$here/bench.js" "$@"
node "$here/start_tasks.js"
export CHROME_PATH="${CHROME_PATH:-/usr/bin/chromium}"
node "$here/lighthouse.js"
