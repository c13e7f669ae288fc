// Pictures of the page on a 390 x 844 phone for the README: the Sport story told, Lottery with its
// menu open, and About; and the Sport story told on a phone set to dark. Run with node after
// scripts/web.sh --build-only; writes docs/phone-*.png.
const path = require('node:path');
const { chromium } = require('@playwright/test');
const y = require('./lib/yarno');

async function main() {
    const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox', '--disable-gpu'] });
    const phone = async (colorScheme) => {
        const context = await browser.newContext({ viewport: { width: 390, height: 844 }, deviceScaleFactor: 2, hasTouch: true, isMobile: true,
            colorScheme });
        const driver = y.playwrightDriver(await context.newPage());
        await y.open(driver);
        return driver;
    };
    let d = await phone('light');
    const shot = (name) => d.page.screenshot({ path: path.join(y.ROOT, 'docs', `phone-${name}.png`) });
    const tell = async (form) => {
        for (let i = 1; i <= 6; i++) {
            await d.tap(y.ctl(form, `Text${i}`));
            await d.insert(y.STORIES[form].answers[i - 1]);
        }
        await d.tap(y.ctl(form, 'Command1'));
    };
    await tell('Form1');
    await shot('sport');
    await d.tap(y.menuItem('Form1', 'Story'));
    await d.tap(y.menuItem('Form1', 'lottery'));
    await tell('Form3');
    await d.page.evaluate(() => scrollTo(0, 0));
    await d.tap(y.menuItem('Form3', 'menu'));
    await shot('lottery-menu');
    await d.tap(y.menuItem('Form3', 'about'));
    await shot('about');
    d = await phone('dark');
    await tell('Form1');
    await shot('sport-dark');
    await browser.close();
}

main().catch((e) => { console.error(e); process.exit(1); });
