// Firefox ESR over WebDriver BiDi: every scenario of the behaviour table, the random run against
// the shared model, the web's own checks, and a story told in dark. Playwright drives only
// Chromium here, so Puppeteer drives Firefox, through the same driver (lib/page.js).
const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const puppeteer = require('puppeteer-core');
const { PAGE, table, puppeteerPage, driver } = require('./lib/page');
const { play } = require('./lib/play');
const { randomRun } = require('./lib/random_run');
const { webChecks } = require('./lib/web_checks');
const { pageContrast } = require('./lib/colours');

const skip = fs.existsSync(PAGE) ? false : `no page at ${PAGE}: build it with scripts/web.sh`;
let browser;
let p;
let d;

const firefox = (prefs = {}) => puppeteer.launch({ browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: true,
    protocol: 'webDriverBiDi', extraPrefsFirefox: { 'network.proxy.type': 0, 'app.update.enabled': false, ...prefs } });

before(async () => {
    if (skip) return;
    browser = await firefox();
    const page = await browser.newPage();
    await page.setViewport({ width: 1280, height: 900 });
    p = puppeteerPage(page);
    d = driver(p);
});
after(async () => browser?.close());

for (const scenario of skip ? [] : table().scenarios()) {
    test(`${scenario.file}: ${scenario.name}`, { skip: scenario.skipped.firefox || false, timeout: 30_000 },
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

// BiDi cannot emulate a colour scheme, so this Firefox is told the system asks for dark.
test('a story told in dark: a dark face, its text, edges and focus stand out, axe finds nothing', { skip, timeout: 60_000 }, async () => {
    const dark = await firefox({ 'layout.css.prefers-color-scheme.content-override': 0 });
    try {
        const page = await dark.newPage();
        await page.setViewport({ width: 1280, height: 900 });
        const dp = puppeteerPage(page);
        const dd = driver(dp);
        await dd.start(false);
        for (const [i, text] of ['Sam', 'tennis', 'the Lions', 'ball', 'nose', 'clown'].entries()) await dd.type('Sport', i + 1, text);
        await dd.click('Sport', 'Submit');
        await dp.press('Shift+Tab');
        await dp.press('Tab');
        const c = await dp.eval(pageContrast);
        console.log(`Firefox, dark: text ${c.text.ratio} (${c.text.what}), edge ${c.edge.ratio} (${c.edge.what}), focus ${c.focus.ratio}`);
        assert.ok(c.face < 0.05 && c.desktop < 0.05, `face ${c.face}, desktop ${c.desktop}`);
        assert.ok(c.text.ratio >= 4.5, `text ${c.text.what}: ${c.text.ratio}`);
        assert.ok(c.edge.ratio >= 3, `the edge of ${c.edge.what}: ${c.edge.ratio}`);
        assert.deepEqual([c.focus.what, c.focus.ratio >= 3], ['Command1', true], `focus ${c.focus.ratio}`);
        await dp.injectAxe();
        assert.deepEqual(await dp.eval(async () => (await window.axe.run(document, { resultTypes: ['violations'] })).violations.map((v) => v.id)), []);
    } finally {
        await dark.close();
    }
});
