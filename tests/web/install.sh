#!/bin/sh
# Installs the npm packages pinned in package-lock.json into node_modules here, unless they are
# all there already: the drivers of the browser tests and of bench/web. Downloads no browser.
set -eu
cd "$(dirname "$0")"
npm ls --depth=0 >/dev/null 2>&1 && exit 0
PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund
