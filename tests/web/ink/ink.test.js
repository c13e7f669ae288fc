// The page's captions against the desktop's: the same ink at 100 %, and at 200 % the 100 %
// desktop ink doubled pixel for pixel. The desktop pictures come from QT_SHOTS (see README.md).
const { test, expect } = require('@playwright/test');
const fs = require('node:fs');
const path = require('node:path');
const { PNG } = require('pngjs');
const y = require('../lib/yarno');

const SHOTS = process.env.QT_SHOTS;
if (!SHOTS) console.log('ink comparison skipped: QT_SHOTS is unset (see tests/web/ink/README.md)');
test.skip(!SHOTS, 'QT_SHOTS is unset: no desktop pictures to compare with (see tests/web/ink/README.md)');
test.skip(!fs.existsSync(y.PAGE), `no page at ${y.PAGE}`);

// Dark pixels only, cropped to their bounding box, so backgrounds and borders of the same colour
// in both pictures do not matter, only where the text falls relative to itself.
function ink(png, [x0, y0, w, h], scale = 1) {
    const dark = [];
    for (let yy = 0; yy < h * scale; yy++) {
        for (let xx = 0; xx < w * scale; xx++) {
            const sx = x0 + Math.floor(xx / scale);
            const sy = y0 + Math.floor(yy / scale);
            const i = (sy * png.width + sx) * 4;
            if (0.299 * png.data[i] + 0.587 * png.data[i + 1] + 0.114 * png.data[i + 2] < 128) dark.push([xx, yy]);
        }
    }
    if (!dark.length) return { w: 0, h: 0, set: new Set() };
    const minX = Math.min(...dark.map((p) => p[0]));
    const minY = Math.min(...dark.map((p) => p[1]));
    return { w: Math.max(...dark.map((p) => p[0])) - minX + 1, h: Math.max(...dark.map((p) => p[1])) - minY + 1,
        set: new Set(dark.map(([a, b]) => `${a - minX},${b - minY}`)) };
}

function mismatch(a, b) {
    let n = 0;
    for (const p of a.set) if (!b.set.has(p)) n++;
    for (const p of b.set) if (!a.set.has(p)) n++;
    return n;
}

const shots = SHOTS ? JSON.parse(fs.readFileSync(path.join(SHOTS, 'controls.json'), 'utf8')) : { controls: [] };
const pictures = {};
const picture = (file) => (pictures[file] ??= PNG.sync.read(fs.readFileSync(path.join(SHOTS, file))));

for (const scale of [1, 2]) {
    test(`ink of every caption at ${scale * 100} %`, async ({ browser }) => {
        const context = await browser.newContext({ deviceScaleFactor: scale, viewport: { width: 1280, height: 900 } });
        const page = await context.newPage();
        const d = y.playwrightDriver(page);
        await y.open(d);
        await y.tell(d, 'Form1');
        await y.menu(d, 'Form1', 'Menu', 'mAbout');
        const report = [];
        for (const form of ['Form1', 'Form3', 'Form2']) {
            if (form === 'Form3') {
                await y.menu(d, 'Form1', 'Story', 'lottery');
                await y.tell(d, 'Form3');
                await y.menu(d, 'Form3', 'menu', 'about');
            }
            await page.evaluate(() => document.activeElement?.blur());
            for (const c of shots.controls.filter((x) => x.window === form)) {
                const sel = c.menu ? y.menuItem(form, c.name) : y.ctl(form, c.name);
                const box = await page.evaluate((s) => { const r = document.querySelector(s).getBoundingClientRect(); return { x: r.x, y: r.y }; }, sel);
                const clip = { x: Math.round(box.x), y: Math.round(box.y), width: c.rect[2], height: c.rect[3] };
                const browserInk = ink(PNG.sync.read(await page.screenshot({ clip })), [0, 0, c.rect[2] * scale, c.rect[3] * scale]);
                const qtInk = ink(picture(c.shot), c.rect, scale);
                const bad = browserInk.w === qtInk.w && browserInk.h === qtInk.h ? mismatch(browserInk, qtInk) : `${browserInk.w}x${browserInk.h} vs ${qtInk.w}x${qtInk.h}`;
                if (bad !== 0) report.push(`${form} ${c.name}: ${bad}${typeof bad === 'number' ? ' pixels differ' : ' ink boxes'}`);
            }
        }
        await context.close();
        console.log(`ink at ${scale * 100} %: ${shots.controls.length - report.length} of ${shots.controls.length} captions match\n${report.join('\n')}`);
        expect(report).toEqual([]);
    });
}
