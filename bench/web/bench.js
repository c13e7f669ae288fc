// Start-up of the page against a floor: a page with nothing but one label in the same face, so the
// ratio is what the program itself costs over drawing text. Also Submit to the next frame, and size.
const fs = require('node:fs');
const path = require('node:path');
const zlib = require('node:zlib');
const { pathToFileURL } = require('node:url');
const modules = path.resolve(__dirname, '../../tests/web/node_modules');
const { chromium } = require(path.join(modules, 'playwright'));

const ROOT = path.resolve(__dirname, '../..');
const PAGE = path.resolve(ROOT, process.env.YARNO_PAGE || 'build-web/yarno.html');
const FLOOR = path.join(__dirname, 'floor.html');
const PAIRS = Number(process.env.BENCH_PAIRS || 30);

function writeFloor(html) {
    const faces = html.match(/@font-face\s*\{[^}]*\}/g) || [];
    if (!faces.length) throw new Error('the page embeds no @font-face to copy');
    const family = /font-family\s*:\s*([^;]+);/.exec(faces[0])[1].trim();
    fs.writeFileSync(FLOOR, `<!doctype html><html lang="en"><head><meta charset="utf-8"><title>floor</title>
<style>${faces.join('\n')}\nbody{margin:0;background:#008080}.label{position:absolute;left:419px;top:195px;font:11px ${family};}</style>
</head><body><div class="label">What's you name?</div><script>window.yarnoReady = document.fonts.ready;</script></body></html>\n`);
}

// Navigation start to the frame after the page says it is ready: the same for both pages.
async function startup(browser, url) {
    const page = await browser.newPage();
    await page.goto(url);
    const t = await page.evaluate(async () => {
        for (let i = 0; i < 400 && !window.yarnoReady; i++) await new Promise((r) => setTimeout(r, 5));
        await window.yarnoReady;
        await new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r)));
        const fcp = performance.getEntriesByType('paint').find((e) => e.name === 'first-contentful-paint');
        return { ready: performance.now(), fcp: fcp ? fcp.startTime : NaN };
    });
    await page.close();
    return t;
}

async function submitFrames(browser, url, n) {
    const page = await browser.newPage();
    await page.goto(url);
    await page.evaluate(() => window.yarnoReady);
    await page.evaluate(() => document.addEventListener('pointerdown', (e) => { window.__t0 = e.timeStamp; }, true));
    const times = [];
    for (let i = 0; i < n; i++) {
        await page.click('#Form1 .client [data-name="Command1"]');
        times.push(await page.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(() => r(performance.now() - window.__t0))))));
        await page.keyboard.press('Control+n');
    }
    await page.close();
    return times;
}

const median = (xs) => { const s = xs.filter(Number.isFinite).sort((a, b) => a - b); return s.length ? s[Math.floor((s.length - 1) / 2)] : NaN; };
const ms = (x) => `${x.toFixed(1)} ms`;

(async () => {
    const html = fs.readFileSync(PAGE, 'utf8');
    writeFloor(html);
    const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', headless: true,
        args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update', '--disable-sync', '--no-first-run'] });
    const urls = { yarno: pathToFileURL(PAGE).href, floor: pathToFileURL(FLOOR).href };
    const runs = { yarno: [], floor: [] };
    for (let i = 0; i < PAIRS; i++) {
        const order = i % 2 ? ['floor', 'yarno'] : ['yarno', 'floor'];
        for (const which of order) runs[which].push(await startup(browser, urls[which]));
    }
    const ratios = runs.yarno.map((r, i) => r.ready / runs.floor[i].ready);
    const submit = await submitFrames(browser, urls.yarno, 30);
    await browser.close();
    const bytes = Buffer.byteLength(html);
    const gz = zlib.gzipSync(html, { level: 9 }).length;
    const ratio = median(ratios);
    console.log(`\n| measure (Chromium, ${PAIRS} pairs, medians) | yarno | floor |\n|---|---|---|`);
    console.log(`| start to the frame after ready | ${ms(median(runs.yarno.map((r) => r.ready)))} | ${ms(median(runs.floor.map((r) => r.ready)))} |`);
    console.log(`| first contentful paint | ${ms(median(runs.yarno.map((r) => r.fcp)))} | ${ms(median(runs.floor.map((r) => r.fcp)))} |`);
    console.log(`| median ratio yarno / floor (goal <= 1.10) | ${ratio.toFixed(2)} | |`);
    console.log(`| Submit to the second frame (30 clicks) | ${ms(median(submit))} | |`);
    console.log(`| file size | ${bytes} B (${gz} B gzipped) | ${fs.statSync(FLOOR).size} B |`);
    console.log(ratio <= 1.10 ? '\nstart-up within the goal' : '\nstart-up over the goal of 1.10');
})().catch((e) => { console.error(e); process.exit(1); });
