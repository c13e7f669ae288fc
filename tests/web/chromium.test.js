// Chromium: the shared flows, and what only Playwright's Chromium can emulate or observe here:
// every request the page makes, and the keys measurement printed for KEYS.md (the phone:
// phone.test.js).
const { test, expect } = require('@playwright/test');
const assert = require('node:assert/strict');
const y = require('./lib/yarno');
const { flows, runTimeError, measureKeys } = require('./lib/flows');
const { randomRun } = require('./lib/random_run');
const fs = require('node:fs');

test.skip(!fs.existsSync(y.PAGE), `no page at ${y.PAGE}: build it with scripts/web.sh`);

let d;
test.beforeEach(async ({ page }) => {
    d = y.playwrightDriver(page);
    await y.open(d);
});

for (const [name, fn] of flows) test(name, async () => fn(d));

test(runTimeError[0], async () => {
    test.skip(!fs.existsSync(y.PROBE), `no probe page at ${y.PROBE}: scripts/web.sh builds it`);
    await runTimeError[1](d);
});

test('random run against the model', async () => randomRun(d));

test('keys the page receives (for KEYS.md)', async () => {
    const rows = await measureKeys(d);
    console.log(`chromium keys: ${JSON.stringify(rows)}`);
    assert.deepEqual(rows.filter((r) => !r.received || !r.prevented).map((r) => r.combo), [], 'keys the page did not take for itself');
});

test('no network: only the page itself and data: URIs, and a CSP that forbids connecting', async ({ page }) => {
    const requests = [];
    page.on('request', (r) => requests.push(r.url()));
    const p = y.playwrightDriver(page);
    await y.open(p);
    await y.tell(p, 'Form1');
    await y.menu(p, 'Form1', 'Menu', 'mAbout');
    await p.click(y.ctl('Form2', 'Label3'));
    await p.click('dialog.box button');
    await p.click(y.ctl('Form2', 'Command2'));
    await y.tell(p, 'Form3');
    expect(requests.filter((u) => u !== y.URL && !u.startsWith('data:'))).toEqual([]);
    const csp = await page.evaluate(() => document.querySelector('meta[http-equiv="Content-Security-Policy" i]')?.content ?? '');
    const dirs = Object.fromEntries(csp.split(';').map((s) => s.trim().split(/\s+/)).filter((x) => x[0]).map(([k, ...v]) => [k.toLowerCase(), v]));
    const connect = dirs['connect-src'] ?? dirs['default-src'];
    expect(connect, `CSP: ${csp}`).toEqual(["'none'"]);
});

test('what is typed in the written window before the program runs carries over to it', async ({ page }) => {
    // The program's script is held back until the answers are in, as on a slow phone.
    await page.addInitScript(() => {
        const append = Node.prototype.appendChild;
        Node.prototype.appendChild = function (child) {
            if (child.tagName !== 'SCRIPT' || window.letProgramRun) return append.call(this, child);
            window.letProgramRun = () => append.call(this, child);
            return child;
        };
    });
    await page.goto(y.URL);
    const p = y.playwrightDriver(page);
    await page.waitForFunction(() => window.letProgramRun);
    expect(await page.evaluate(() => [typeof window.yarnoReady, document.activeElement.dataset.name])).toEqual(['undefined', 'Text1']);
    await p.type('Sam');
    await p.click(y.ctl('Form1', 'Text2'));
    await p.type('ten');
    await page.evaluate(() => { window.letProgramRun(); return window.yarnoReady; });
    expect(await y.focused(p)).toBe('Form1:Text2');
    await p.type('nis');
    await y.fill(p, 'Form1', ['', '', ...y.SPORT.answers.slice(2)]);
    await p.press('Alt+s');
    expect((await y.look(p)).forms.Form1).toEqual({ values: y.SPORT.answers, rows: y.SPORT.rows });
});
