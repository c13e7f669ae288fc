#!/bin/sh
# Installs the npm packages pinned in a folder's package-lock.json into its node_modules, unless
# they are all there already: by default here, the drivers of the browser tests and of bench/web;
# bench/web/run.sh also names its own folder, for Lighthouse. Downloads no browser.
#   install.sh [folder...]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
[ $# -eq 0 ] && set -- "$here"
for folder in "$@"; do
    (
        cd "$folder"
        npm ls --depth=0 >/dev/null 2>&1 && exit 0
        PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund
    )
done
