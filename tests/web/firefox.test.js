// Firefox ESR over WebDriver BiDi: every scenario of the behaviour table, the random run against
// the shared model, and the web's own checks. Playwright drives only Chromium here, so Puppeteer
// drives Firefox, through the same driver (lib/page.js).
const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const puppeteer = require('puppeteer-core');
const { readAll, skippedOn } = require('./lib/table');
const { PAGE, puppeteerPage, driver } = require('./lib/page');
const { play } = require('./lib/play');
const { randomRun } = require('./lib/random_run');
const { webChecks } = require('./lib/web_checks');

const skip = fs.existsSync(PAGE) ? false : `no page at ${PAGE}: build it with scripts/web.sh`;
let browser;
let p;
let d;

before(async () => {
    if (skip) return;
    browser = await puppeteer.launch({ browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: true,
        protocol: 'webDriverBiDi', extraPrefsFirefox: { 'network.proxy.type': 0, 'app.update.enabled': false } });
    const page = await browser.newPage();
    await page.setViewport({ width: 1280, height: 900 });
    p = puppeteerPage(page);
    d = driver(p);
});
after(async () => browser?.close());

for (const scenario of readAll()) {
    test(`${scenario.file}: ${scenario.name}`, { skip: skip || skippedOn(scenario, 'firefox') || false, timeout: 30_000 },
        async () => assert.deepEqual(await play(scenario, d), []));
}

test('random run against the model', { skip, timeout: 300_000 }, () => randomRun(d));

for (const [name, check] of webChecks) test(name, { skip, timeout: 60_000 }, () => check(p, d));

test('a story told in the flow, on a phone-sized screen', { skip, timeout: 60_000 }, async () => {
    await p.page.setViewport({ width: 390, height: 844, deviceScaleFactor: 2 });
    await d.start(false);
    for (const [i, text] of ['Sam', 'tennis', 'the Lions', 'ball', 'nose', 'clown'].entries()) await d.type('Sport', i + 1, text);
    await d.click('Sport', 'Submit');
    assert.deepEqual(await p.eval(() => [...document.querySelectorAll('#Form1 .line')].filter((l) => l.checkVisibility()).map((l) => l.textContent)), [
        'One day Sam was playing tennis with the Lions', 'when a ball hit Sam in the nose',
        'Sam got up, walked over to the person that had thrown that ball', 'called him a clown and shot him.', 'The end.']);
    assert.equal(await d.focused('Sport'), 'Submit');
    const { sideways, text } = await p.eval(() => ({
        sideways: document.documentElement.scrollWidth - document.documentElement.clientWidth,
        text: parseFloat(getComputedStyle(document.querySelector('#Form1 .line')).fontSize),
    }));
    assert.equal(sideways, 0, 'no sideways scrolling');
    assert.ok(text >= 16, `the story's text is ${text} px`);
    await p.page.setViewport({ width: 1280, height: 900 });
});
