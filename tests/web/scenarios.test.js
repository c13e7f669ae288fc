// Every scenario of the behaviour table (tests/scenarios/), on the page, in each Playwright
// project: Chromium on a desktop, and on a phone. A scenario that leaves the page out is reported
// as skipped, with its reason.
const base = require('@playwright/test');
const fs = require('node:fs');
const { PAGE, table, playwrightPage, driver } = require('./lib/page');
const { play } = require('./lib/play');

// One page per worker: each scenario loads Yarno into it afresh (the driver's start), which the
// page keeps nothing across, so scenarios stay independent without a new browser context each.
const test = base.test.extend({
    yarno: [async ({ browser }, use, { project }) => {
        const { viewport, isMobile, hasTouch, deviceScaleFactor, bypassCSP } = project.use;
        const context = await browser.newContext({ viewport, isMobile, hasTouch, deviceScaleFactor, bypassCSP });
        await use(driver(playwrightPage(await context.newPage(), { touch: !!isMobile })));
        await context.close();
    }, { scope: 'worker' }],
});

for (const scenario of fs.existsSync(PAGE) ? table().scenarios() : []) {
    test(`${scenario.file}: ${scenario.name}`, async ({ yarno }, info) => {
        const why = scenario.skipped[info.project.name];
        test.skip(!!why, why);
        base.expect(await play(scenario, yarno)).toEqual([]);
    });
}
