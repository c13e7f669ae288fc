// The program's start on a slow phone: the site served gzipped from 127.0.0.1, loaded in
// Chromium with its CPU slowed 4x for real (where Lighthouse only simulates it), several times.
// Prints each step of the start (the page's "yarno: ..." measures) and the tasks of 50 ms or
// more after the first paint, which are what keep a tap waiting.
//   node start_tasks.js [site folder]   (default: site/ beside YARNO_PAGE, or build-web/site)
const path = require('node:path');
const { serve } = require('../../tests/web/lib/serve');
const { chromium } = require(path.resolve(__dirname, '../../tests/web/node_modules/playwright'));

const ROOT = path.resolve(__dirname, '../..');
const PAGE = path.resolve(ROOT, process.env.YARNO_PAGE || 'build-web/yarno.html');
const SITE = path.resolve(process.argv[2] || path.join(path.dirname(PAGE), 'site'));
const LOADS = Number(process.env.BENCH_LOADS || 10);
const SLOWDOWN = 4;

const median = (xs) => xs.slice().sort((a, b) => a - b)[Math.floor((xs.length - 1) / 2)];

// One load: the steps' durations, and the long tasks after the first paint with the steps that
// began in them.
async function load(browser, url) {
    const context = await browser.newContext();
    const page = await context.newPage();
    const cdp = await context.newCDPSession(page);
    await cdp.send('Emulation.setCPUThrottlingRate', { rate: SLOWDOWN });
    await page.addInitScript(() => {
        window.longTasks = [];
        new PerformanceObserver((list) => window.longTasks.push(...list.getEntries()))
            .observe({ type: 'longtask', buffered: true });
    });
    await page.goto(url);
    await page.waitForFunction(() => window.yarnoReady, null, { timeout: 60000 });
    await page.evaluate(() => window.yarnoReady);
    await page.waitForTimeout(1000);
    const seen = await page.evaluate(() => {
        const paint = performance.getEntriesByName('first-contentful-paint')[0]?.startTime ?? 0;
        const steps = performance.getEntriesByType('measure').filter((m) => m.name.startsWith('yarno: '))
            .map((m) => ({ name: m.name.slice(7), start: m.startTime, duration: m.duration }));
        const long = window.longTasks.filter((t) => t.startTime >= paint).map((t) => ({
            duration: t.duration,
            steps: steps.filter((s) => s.start >= t.startTime && s.start <= t.startTime + t.duration).map((s) => s.name),
        }));
        return { steps, long };
    });
    await context.close();
    return seen;
}

(async () => {
    const host = await serve(SITE, { gzip: true });
    const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', headless: true,
        args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update', '--no-first-run'] });
    const loads = [];
    for (let i = 0; i < LOADS; i++) loads.push(await load(browser, host.url));
    await browser.close();
    await host.stop();

    const names = [...new Set(loads.flatMap((l) => l.steps.map((s) => s.name)))];
    console.log(`\n| step of the start, CPU ${SLOWDOWN}x slower, ${LOADS} loads | median | longest |\n|---|---:|---:|`);
    for (const name of names) {
        const durations = loads.map((l) => l.steps.find((s) => s.name === name)?.duration).filter(Number.isFinite);
        console.log(`| ${name} | ${median(durations).toFixed(0)} ms | ${Math.max(...durations).toFixed(0)} ms |`);
    }
    const blocking = loads.map((l) => l.long.reduce((sum, t) => sum + t.duration - 50, 0));
    const longest = loads.map((l) => Math.max(0, ...l.long.map((t) => t.duration)));
    console.log(`\nafter the first paint: blocking time median ${median(blocking).toFixed(0)} ms, `
        + `longest task median ${median(longest).toFixed(0)} ms (goal: none of 50 ms or more)`);
    const where = {};
    for (const t of loads.flatMap((l) => l.long)) {
        const key = t.steps.join(' + ') || "the browser's own work";
        where[key] = [...(where[key] ?? []), Math.round(t.duration)];
    }
    for (const [key, durations] of Object.entries(where)) console.log(`  ${key}: ${durations.join(', ')} ms`);
})().catch((e) => { console.error(e); process.exit(1); });
