// Chromium: the web's own checks, the random run against the shared model, and what only
// Playwright's Chromium observes here: every request the page makes, and a program that starts
// late taking over the window the build wrote into the page.
const { test, expect } = require('@playwright/test');
const fs = require('node:fs');
const { pathToFileURL } = require('node:url');
const { PAGE, playwrightPage, watch, driver } = require('./lib/page');
const { randomRun } = require('./lib/random_run');
const { webChecks } = require('./lib/web_checks');

test.skip(!fs.existsSync(PAGE), `no page at ${PAGE}: build it with scripts/web.sh`);

const SPORT = ['Sam', 'tennis', 'the Lions', 'ball', 'nose', 'clown'];

for (const [name, check] of webChecks) {
    test(name, async ({ page }) => {
        const p = playwrightPage(page);
        await check(p, driver(p));
    });
}

test('random run against the model', async ({ page }) => {
    test.setTimeout(300_000);
    await randomRun(driver(playwrightPage(page)));
});

test('no network: only the page itself and data: URIs, and a CSP that forbids connecting', async ({ page }) => {
    const requests = [];
    page.on('request', (r) => requests.push(r.url()));
    const d = driver(playwrightPage(page));
    await d.start(false);
    for (const [i, text] of SPORT.entries()) await d.type('Sport', i + 1, text);
    await d.click('Sport', 'Submit');
    await d.choose('Sport', 'Menu', 'About');
    await d.click('About', 'Copyright 2000 Orvask. All rights reserved.');
    await d.dismiss();
    await d.click('About', 'Back to Lottery');
    await d.click('Lottery', 'Submit');
    expect(requests.filter((u) => u !== pathToFileURL(PAGE).href && !u.startsWith('data:'))).toEqual([]);
    const csp = await page.evaluate(() => document.querySelector('meta[http-equiv="Content-Security-Policy" i]')?.content ?? '');
    const dirs = Object.fromEntries(csp.split(';').map((s) => s.trim().split(/\s+/)).filter((x) => x[0]).map(([k, ...v]) => [k.toLowerCase(), v]));
    expect(dirs['connect-src'] ?? dirs['default-src'], `CSP: ${csp}`).toEqual(["'none'"]);
});

test('what is typed before the program runs, and tapped while it starts, carries over to it', async ({ page }) => {
    // The program's script is held back until the answers are in, as on a slow phone.
    await page.addInitScript(() => {
        const append = Node.prototype.appendChild;
        Node.prototype.appendChild = function (child) {
            if (child.tagName !== 'SCRIPT' || window.letProgramRun) return append.call(this, child);
            window.letProgramRun = () => append.call(this, child);
            return child;
        };
    });
    await page.goto(pathToFileURL(PAGE).href);
    await page.waitForFunction(() => window.letProgramRun);
    expect(await page.evaluate(() => [typeof window.yarnoReady, document.activeElement.dataset.name])).toEqual(['undefined', 'Text1']);
    await page.keyboard.type('Sam');
    await page.click('#Form1 [data-name="Text2"]');
    await page.keyboard.type('ten');
    // Submit is tapped before the program listens: the tap is kept until it does.
    await page.evaluate(() => document.querySelector('#Form1 [data-name="Command1"]').click());
    await page.evaluate(() => { window.letProgramRun(); return window.yarnoReady; });
    const p = playwrightPage(page);
    await watch(p);
    const d = driver(p);
    expect((await d.story('Sport')).rows[0]).toEqual(['One day', 'Sam', 'was playing', 'ten', 'with', '']);
    expect(await d.focused('Sport')).toBe('2');
    await page.keyboard.type('nis');
    for (let n = 3; n <= 6; n++) await d.type('Sport', n, SPORT[n - 1]);
    await d.press('Sport', 'Alt+S');
    expect(await d.answers('Sport')).toEqual(SPORT);
    expect((await d.story('Sport')).rows).toEqual([
        ['One day', 'Sam', 'was playing', 'tennis', 'with', 'the Lions'],
        ['when a', 'ball', 'hit', 'Sam', 'in the', 'nose'],
        ['Sam', 'got up, walked over to the person that had thrown that', 'ball'],
        ['called him a', 'clown', 'and shot him.'],
        ['The end.'],
    ]);
});
