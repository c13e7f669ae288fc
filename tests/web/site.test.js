// The site for phones (build-web/site/), served from 127.0.0.1 as from any static host: Chromium
// would install it, a worker keeps it, it plays with the server gone, a rebuilt site replaces the
// kept one, and nothing is asked of any other origin.
const { test, expect } = require('@playwright/test');
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { PNG } = require('pngjs');
const y = require('./lib/yarno');
const { serve } = require('./lib/serve');

// So that what the worker fetches is seen too.
process.env.PW_EXPERIMENTAL_SERVICE_WORKER_NETWORK_EVENTS = '1';

const BUILD = path.dirname(y.PAGE);
const SITE = path.join(BUILD, 'site');
test.skip(!fs.existsSync(SITE), `no site at ${SITE}: build it with scripts/web.sh`);

// A profile of its own, as a phone's browser has (Chromium installs nothing from a private
// window), under the site's own policy: no bypass.
let host, profile, context, page, d;
test.beforeEach(async ({ playwright, launchOptions }) => {
    host = await serve(SITE);
    profile = fs.mkdtempSync(path.join(os.tmpdir(), 'yarno-profile-'));
    context = await playwright.chromium.launchPersistentContext(profile, { ...launchOptions, headless: true, bypassCSP: false });
    page = context.pages()[0] ?? await context.newPage();
    d = y.playwrightDriver(page);
});
test.afterEach(async () => {
    await context.close();
    await host.stop();
    fs.rmSync(profile, { recursive: true, force: true });
});

// The page's worker, once it has taken charge of the page and holds the site's files.
const kept = () => page.evaluate(async () => {
    await navigator.serviceWorker.ready;
    return caches.keys();
});

test('installable, with the charset read before anything else, the page\'s own colours, and a maskable icon', async () => {
    await y.open(d, host.url);
    const cdp = await context.newCDPSession(page);
    expect((await cdp.send('Page.getInstallabilityErrors')).installabilityErrors).toEqual([]);
    for (const file of [y.PAGE, path.join(SITE, 'index.html')]) {
        const head = fs.readFileSync(file).subarray(0, 1024).toString('latin1');
        expect(head, file).toMatch(/^<!DOCTYPE html>\s*<html[^>]*>\s*<head>\s*<meta charset="utf-8">/i);
    }
    const manifest = JSON.parse(fs.readFileSync(path.join(SITE, 'manifest.webmanifest'), 'utf8'));
    const css = (hex) => `rgb(${[1, 3, 5].map((i) => parseInt(hex.slice(i, i + 2), 16)).join(', ')})`;
    expect(await page.evaluate(() => [getComputedStyle(document.documentElement).backgroundColor,
        getComputedStyle(document.querySelector('.titlebar')).backgroundColor]))
        .toEqual([css(manifest.background_color), css(manifest.theme_color)]);
    // Whatever shape a phone cuts it to, the picture is whole: outside the middle circle of 80 %,
    // only the background, opaque.
    const maskable = manifest.icons.find((icon) => icon.purpose === 'maskable');
    const png = PNG.sync.read(fs.readFileSync(path.join(SITE, maskable.src)));
    const [r, g, b] = [1, 3, 5].map((i) => parseInt(manifest.background_color.slice(i, i + 2), 16));
    const outside = [];
    for (let y = 0; y < png.height; y++) {
        for (let x = 0; x < png.width; x++) {
            const at = 4 * (y * png.width + x);
            const off = Math.hypot(x + 0.5 - png.width / 2, y + 0.5 - png.height / 2) > 0.4 * png.width;
            if (off && [...png.data.subarray(at, at + 4)].join() !== [r, g, b, 255].join()) outside.push([x, y]);
        }
    }
    expect([png.width, png.height, outside.length]).toEqual([512, 512, 0]);
});

test('a worker keeps the site: with the server stopped a reload plays a story, and nothing leaves the origin', async () => {
    const requests = [];
    context.on('request', (r) => requests.push(r.url()));
    await y.open(d, host.url);
    expect(await kept()).toHaveLength(1);
    await page.reload();
    expect(await page.evaluate(() => !!navigator.serviceWorker.controller)).toBe(true);
    await host.stop();
    await page.reload();
    await y.open(d, null);
    await y.tell(d, 'Form1');
    expect((await y.look(d)).forms.Form1.rows).toEqual(y.SPORT.rows);
    expect(requests.filter((url) => !url.startsWith(host.url) && !url.startsWith('data:'))).toEqual([]);
});

test('a rebuilt site with a changed page replaces the kept one when the app is opened again', async () => {
    const rebuilt = fs.mkdtempSync(path.join(os.tmpdir(), 'yarno-site-'));
    const changed = path.join(rebuilt, 'yarno.html');
    fs.writeFileSync(changed, fs.readFileSync(y.PAGE, 'utf8').replace('<title>Yarno</title>', '<title>Yarno rebuilt</title>'));
    const made = path.join(BUILD, 'res/site');
    const source = path.join(y.ROOT, 'res/site');
    execFileSync('python3', [path.join(source, 'make_site.py'), '--page', changed,
        '--manifest', path.join(made, 'manifest.webmanifest'), '--icons', path.join(made, 'icons'),
        '--worker', path.join(source, 'sw.js'), '--register', path.join(source, 'register.js'),
        '--robots', path.join(source, 'robots.txt'), '--output', path.join(rebuilt, 'site')]);
    const cacheOf = (site) => /const CACHE = '([^']+)'/.exec(fs.readFileSync(path.join(site, 'sw.js'), 'utf8'))[1];

    await y.open(d, host.url);
    expect(await kept()).toEqual([cacheOf(SITE)]);
    host.publish(path.join(rebuilt, 'site'));
    await page.reload();
    // This opening finds the new worker; it takes over and drops the old files.
    await expect.poll(() => page.evaluate(() => caches.keys()), { timeout: 20_000 }).toEqual([cacheOf(path.join(rebuilt, 'site'))]);
    await page.reload();
    expect(await page.title()).toBe('Yarno rebuilt');
    fs.rmSync(rebuilt, { recursive: true });
});
