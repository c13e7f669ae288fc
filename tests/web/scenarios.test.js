// Every scenario of the behaviour table (tests/scenarios/), on the page, in each Playwright
// project: Chromium on a desktop, and on a phone. A scenario that leaves the page out is reported
// as skipped, with its reason.
const { test, expect } = require('@playwright/test');
const fs = require('node:fs');
const { readAll, skippedOn } = require('./lib/table');
const { PAGE, playwrightPage, driver } = require('./lib/page');
const { play } = require('./lib/play');
const { KNOWN } = require('./lib/known');

test.skip(!fs.existsSync(PAGE), `no page at ${PAGE}: build it with scripts/web.sh`);

for (const scenario of readAll()) {
    test(`${scenario.file}: ${scenario.name}`, async ({ page, isMobile }, info) => {
        const why = skippedOn(scenario, info.project.name);
        test.skip(!!why, why);
        test.fail(!!KNOWN[scenario.name], KNOWN[scenario.name]);
        expect(await play(scenario, driver(playwrightPage(page, { touch: isMobile })))).toEqual([]);
    });
}
