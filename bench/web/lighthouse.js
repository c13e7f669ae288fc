// Lighthouse's mobile run (a mid-range phone, 4x slower CPU, a slow 4G network) over the site for
// phones, served gzipped from 127.0.0.1 as a static host would serve it. Three runs; the medians
// of Total Blocking Time, the longest task an early tap could wait behind, and the four scores.
//   node lighthouse.js [site folder]   (default: site/ beside YARNO_PAGE, or build-web/site)
const path = require('node:path');
const { serve } = require('../../tests/web/lib/serve');

const ROOT = path.resolve(__dirname, '../..');
const PAGE = path.resolve(ROOT, process.env.YARNO_PAGE || 'build-web/yarno.html');
const SITE = path.resolve(process.argv[2] || path.join(path.dirname(PAGE), 'site'));
const RUNS = 3;
const CATEGORIES = ['performance', 'accessibility', 'best-practices', 'seo'];

const median = (xs) => xs.slice().sort((a, b) => a - b)[Math.floor(xs.length / 2)];

(async () => {
    const { default: lighthouse } = await import('lighthouse');
    const chromeLauncher = await import('chrome-launcher');
    const host = await serve(SITE, { gzip: true });
    const runs = [];
    for (let i = 0; i < RUNS; i++) {
        // Debian's Chromium (CHROME_PATH), a fresh profile each run, so each one starts cold.
        const chrome = await chromeLauncher.launch({ chromePath: process.env.CHROME_PATH || '/usr/bin/chromium',
            chromeFlags: ['--headless=new', '--no-sandbox', '--disable-gpu', '--disable-background-networking',
                '--disable-component-update', '--disable-sync', '--no-first-run'] });
        try {
            const { lhr } = await lighthouse(host.url, { port: chrome.port, output: 'json', logLevel: 'error',
                onlyCategories: CATEGORIES });
            runs.push({
                tbt: lhr.audits['total-blocking-time'].numericValue,
                fid: lhr.audits['max-potential-fid'].numericValue,
                scores: Object.fromEntries(CATEGORIES.map((c) => [c, Math.round(lhr.categories[c].score * 100)])),
                // Where the main thread went: its work by kind, and its tasks of 50 ms or more
                // (at the simulated 4x slower CPU), with the measures the page marks (start.js).
                work: lhr.audits['mainthread-work-breakdown'].details.items.map((i) => `${i.groupLabel} ${Math.round(i.duration)}`),
                longTasks: (lhr.audits['long-tasks'].details?.items ?? []).map((i) => `${Math.round(i.startTime)}+${Math.round(i.duration)}`),
                measures: (lhr.audits['user-timings'].details?.items ?? []).filter((i) => i.timingType === 'Measure')
                    .map((i) => `${i.name} ${Math.round(i.startTime)}+${Math.round(i.duration)}`),
                failing: Object.values(lhr.audits).filter((a) => a.score !== null && a.score < 1
                    && a.scoreDisplayMode !== 'informative' && a.scoreDisplayMode !== 'manual')
                    .map((a) => (a.explanation ? `${a.id} (${a.explanation})` : a.id)),
            });
        } finally {
            await chrome.kill();
        }
    }
    await host.stop();
    const tbt = median(runs.map((r) => r.tbt));
    const fid = median(runs.map((r) => r.fid));
    const scores = Object.fromEntries(CATEGORIES.map((c) => [c, median(runs.map((r) => r.scores[c]))]));
    console.log(`\n| Lighthouse ${RUNS} mobile runs, site served gzipped | median | runs | goal |\n|---|---:|---|---|`);
    console.log(`| Total Blocking Time | ${Math.round(tbt)} ms | ${runs.map((r) => Math.round(r.tbt)).join(', ')} | 0 |`);
    console.log(`| Max potential first input delay | ${Math.round(fid)} ms | ${runs.map((r) => Math.round(r.fid)).join(', ')} | <= 50 ms |`);
    for (const c of CATEGORIES) console.log(`| ${c} | ${scores[c]} | ${runs.map((r) => r.scores[c]).join(', ')} | 100 |`);
    const middle = runs.find((r) => r.tbt === tbt);
    console.log(`\nthe median run's main thread, ms: ${middle.work.join(', ')}`);
    console.log(`its long tasks, start+duration ms: ${middle.longTasks.join(', ') || 'none'}`);
    if (middle.measures.length) console.log(`the page's own measures, start+duration ms (not slowed): ${middle.measures.join(', ')}`);
    const failing = [...new Set(runs.flatMap((r) => r.failing))];
    if (failing.length) console.log(`\naudits below full marks in some run: ${failing.join(', ')}`);
    const met = tbt === 0 && fid <= 50 && CATEGORIES.every((c) => scores[c] === 100);
    console.log(met ? '\nLighthouse within the goals' : '\nLighthouse short of the goals');
})().catch((e) => { console.error(e); process.exit(1); });
