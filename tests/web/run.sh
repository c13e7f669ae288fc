#!/bin/sh
# Runs the browser suites against the built page: every scenario of tests/scenarios/ and the web's
# own checks, in Chromium and on a phone through Playwright's runner, then in Firefox ESR through
# node's. YARNO_PAGE picks another page (default build-web/yarno.html).
set -u
here=$(cd "$(dirname "$0")" && pwd)
# scripts/web.sh hands over the page it just built; a relative path is taken from where we started.
if [ $# -gt 0 ] && [ -f "$1" ]; then
    YARNO_PAGE=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
    shift
fi
cd "$here"
./install.sh || exit 1
export YARNO_PAGE="${YARNO_PAGE:-build-web/yarno.html}"
status=0
echo "== Chromium and the phone ($YARNO_PAGE)"
npx playwright test "$@" || status=1
echo "== Firefox ESR ($YARNO_PAGE)"
node --test --test-concurrency=1 firefox.test.js || status=1
exit $status
