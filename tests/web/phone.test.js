// The page on a phone (the "phone" project: a small screen, touch): nothing scrolls sideways, the
// reader may zoom, and a tap puts the focus in each answer box. The scenarios run here too.
const { test, expect } = require('@playwright/test');
const fs = require('node:fs');
const { PAGE, playwrightPage, driver } = require('./lib/page');

test.skip(!fs.existsSync(PAGE), `no page at ${PAGE}: build it with scripts/web.sh`);

test('phone: no sideways scrolling, every box takes a tap, zoom allowed', async ({ page, viewport }) => {
    const d = driver(playwrightPage(page, { touch: true }));
    const sideways = () => page.evaluate(() => document.documentElement.scrollWidth);
    await d.start(false);
    expect(await sideways()).toBeLessThanOrEqual(viewport.width);
    const meta = await page.evaluate(() => document.querySelector('meta[name=viewport]')?.content ?? '');
    expect(meta).not.toMatch(/user-scalable\s*=\s*(no|0)/i);
    const max = /maximum-scale\s*=\s*([\d.]+)/i.exec(meta);
    if (max) expect(Number(max[1])).toBeGreaterThanOrEqual(2);
    for (let n = 1; n <= 6; n++) {
        await d.type('Sport', n, 'x');
        expect(await d.focused('Sport')).toBe(String(n));
    }
    await d.click('Sport', 'Submit');
    await d.choose('Sport', 'Menu', 'About');
    expect(await sideways()).toBeLessThanOrEqual(viewport.width);
});
