// The page's colours in Chromium, in each scheme a system may ask for, in the classic view and in
// the flow: every text 4.5:1 against what lies behind it, every box's and button's edge and the
// focus 3:1, axe clean with a story told and with About open, the browser's bar in the title bars'
// colour; a light face where the system asks for light, a dark one where it asks for dark, from
// the first paint on. Under a contrast theme the same measures show that every box, button,
// focus and the story stay visible.
const { test, expect } = require('@playwright/test');
const fs = require('node:fs');
const y = require('./lib/yarno');
const { pageContrast } = require('./lib/colours');

test.skip(!fs.existsSync(y.PAGE), `no page at ${y.PAGE}: build it with scripts/web.sh`);

// Relative luminance: the light face is a light grey, and under dark nothing large is lit.
const FACES = {
    light: ({ face }) => face > 0.4,
    dark: ({ face, desktop }) => face < 0.05 && desktop < 0.05,
    forced: () => true,
};
const SCHEMES = [
    ['light', { colorScheme: 'light' }],
    ['dark', { colorScheme: 'dark' }],
    ['forced', { forcedColors: 'active' }],
];
const VIEWS = [
    ['classic', { viewport: { width: 1280, height: 900 } }],
    ['flow', { viewport: { width: 390, height: 844 }, deviceScaleFactor: 2, hasTouch: true, isMobile: true }],
];

for (const [scheme, media] of SCHEMES) {
    test(`colours, ${scheme}: text, edges and focus stand out, axe finds nothing, in both views`, async ({ browser }) => {
        const seen = [];
        for (const [view, device] of VIEWS) {
            const context = await browser.newContext({ ...device, ...media, bypassCSP: true });
            await context.addInitScript(() => {
                window.layoutShift = 0;
                new PerformanceObserver((list) => list.getEntries().forEach((e) => { window.layoutShift += e.value; }))
                    .observe({ type: 'layout-shift', buffered: true });
                // The window's face in the first frame that draws it.
                const first = () => {
                    const win = document.querySelector('#Form1');
                    if (win) window.firstFace = getComputedStyle(win).backgroundColor;
                    else requestAnimationFrame(first);
                };
                requestAnimationFrame(first);
            });
            const page = await context.newPage();
            const d = y.playwrightDriver(page);
            const at = `${scheme}, ${view}`;
            const press = (selector) => (device.hasTouch ? d.tap(selector) : d.click(selector));
            await y.open(d);
            expect(await page.evaluate(() => [window.firstFace === getComputedStyle(document.querySelector('#Form1')).backgroundColor,
                window.layoutShift]), `${at}: the face from the first frame on, nothing moved`).toEqual([true, 0]);
            if (scheme !== 'forced') {
                expect(await page.evaluate(() => {
                    const bar = [...document.querySelectorAll('meta[name=theme-color]')].find((m) => matchMedia(m.media || 'all').matches);
                    const probe = document.body.appendChild(document.createElement('i'));
                    probe.style.color = bar?.content ?? '';
                    const colours = [getComputedStyle(probe).color, getComputedStyle(document.querySelector('.titlebar')).backgroundColor];
                    probe.remove();
                    return colours;
                }).then(([bar, title]) => bar === title), `${at}: the browser's bar in the title bars' colour`).toBe(true);
            }
            const check = async (state, { focus, axe = false } = {}) => {
                const c = await page.evaluate(pageContrast);
                seen.push(`${view} ${state}: text ${c.text.ratio} (${c.text.what}), edge ${c.edge.ratio} (${c.edge.what})`
                    + (focus ? `, focus ${c.focus.ratio}` : ''));
                expect(c.text.ratio, `${at}, ${state}: text ${c.text.what}`).toBeGreaterThanOrEqual(4.5);
                expect(c.edge.ratio, `${at}, ${state}: the edge of ${c.edge.what}`).toBeGreaterThanOrEqual(3);
                if (focus) expect([c.focus.what, c.focus.ratio >= 3], `${at}, ${state}: focus ${c.focus.ratio}`).toEqual([focus, true]);
                expect(FACES[scheme](c), `${at}, ${state}: face ${c.face.toFixed(3)}, desktop ${c.desktop.toFixed(3)}`).toBe(true);
                if (axe) expect(await y.axe(d), `${at}, ${state}`).toEqual([]);
            };

            for (let i = 1; i <= 6; i++) {
                await press(y.ctl('Form1', `Text${i}`));
                await d.insert(y.SPORT.answers[i - 1]);
            }
            await press(y.ctl('Form1', 'Command1'));
            await d.press('Shift+Tab');
            await d.press('Tab');
            await check('Sport told', { focus: 'Command1', axe: true });
            await d.press('Alt+m');
            await check('its menu open', { focus: 'mNew' });
            await d.press('Escape');
            await press(y.menuItem('Form1', 'Menu'));
            await press(y.menuItem('Form1', 'mAbout'));
            await check('About', { axe: true });
            await press(y.ctl('Form2', 'Label3'));
            await check('its box');
            await d.press('Enter');
            await page.evaluate(() => document.querySelectorAll('.window:not([hidden]) .titlebar .close').forEach((b) => b.click()));
            await page.waitForSelector('#ended:not([hidden])');
            await check('ended');
            await context.close();
        }
        console.log(`colours, ${scheme}:\n  ${seen.join('\n  ')}`);
    });
}
