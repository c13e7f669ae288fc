// Firefox ESR over WebDriver BiDi: the shared flows, the random run, and one story told on a
// phone-sized screen. Touch emulation, request logging and the CSP bypass are Playwright-on-Chromium
// features, so those stay in chromium.test.js and phone.test.js.
const { test, before, after, beforeEach, afterEach } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const puppeteer = require('puppeteer-core');
const y = require('./lib/yarno');
const { flows, runTimeError, measureKeys } = require('./lib/flows');
const { randomRun } = require('./lib/random_run');

const skip = fs.existsSync(y.PAGE) ? false : `no page at ${y.PAGE}: build it with scripts/web.sh`;
let browser;
let d;

before(async () => {
    if (skip) return;
    browser = await puppeteer.launch({ browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: true,
        protocol: 'webDriverBiDi', extraPrefsFirefox: { 'network.proxy.type': 0, 'app.update.enabled': false } });
});
after(async () => browser?.close());
beforeEach(async () => {
    if (skip) return;
    const page = await browser.newPage();
    await page.setViewport({ width: 1280, height: 900 });
    d = y.puppeteerDriver(page);
    await y.open(d);
});
afterEach(async () => d?.page.close().catch(() => {}));

for (const [name, fn] of flows) test(name, { skip, timeout: 120_000 }, () => fn(d));

test(runTimeError[0], { skip: skip || (!fs.existsSync(y.PROBE) && `no probe page at ${y.PROBE}: scripts/web.sh builds it`), timeout: 120_000 },
    () => runTimeError[1](d));

test('random run against the model', { skip, timeout: 300_000 }, () => randomRun(d));

test('keys the page receives (for KEYS.md)', { skip, timeout: 120_000 }, async () => {
    const rows = await measureKeys(d);
    console.log(`firefox keys: ${JSON.stringify(rows)}`);
    assert.deepEqual(rows.filter((r) => !r.received || !r.prevented).map((r) => r.combo), [], 'keys the page did not take for itself');
});

test('a story told in the flow, on a phone-sized screen', { skip, timeout: 120_000 }, async () => {
    await d.page.setViewport({ width: 390, height: 844, deviceScaleFactor: 2 });
    await y.tell(d, 'Form1');
    assert.deepEqual(await y.flowLines(d, 'Form1'), y.storyLines(y.SPORT));
    assert.equal(await y.focused(d), 'Form1:Command1');
    const { sideways, text } = await d.eval(() => ({
        sideways: document.documentElement.scrollWidth - document.documentElement.clientWidth,
        text: parseFloat(getComputedStyle(document.querySelector('#Form1 .line')).fontSize),
    }));
    assert.equal(sideways, 0, 'no sideways scrolling');
    assert.ok(text >= 16, `the story's text is ${text} px`);
});
