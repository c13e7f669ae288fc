// Start-up of the page against a floor: a page with nothing but one label in the same face, so the
// ratio is what the program itself costs over drawing text. Also the time until the program runs,
// Submit to the next frame, and size.
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const path = require('node:path');
const zlib = require('node:zlib');
const { pathToFileURL } = require('node:url');
const modules = path.resolve(__dirname, '../../tests/web/node_modules');
const { chromium } = require(path.join(modules, 'playwright'));

const ROOT = path.resolve(__dirname, '../..');
const PAGE = path.resolve(ROOT, process.env.YARNO_PAGE || 'build-web/yarno.html');
const FLOOR = path.join(__dirname, 'floor.html');
const WINDOW_ONLY = path.join(__dirname, 'window_only.html');
const PAIRS = Number(process.env.BENCH_PAIRS || 30);

// The floor loads the same face the same way the page does: from its bytes, with FontFace, made
// by the page's own build step (ui/web/make_page.py) on Debian's Python, which has its fontTools.
function writeFloor() {
    const face = execFileSync('/usr/bin/python3', ['-c', 'import sys; sys.path.insert(0, sys.argv[1]); import make_page; '
        + 'sys.stdout.buffer.write(make_page.woff2(sys.argv[2]))', path.join(ROOT, 'ui/web'),
        path.join(ROOT, 'ui/fonts/ms_sans_serif_13.ttf')]).toString('base64');
    fs.writeFileSync(FLOOR, `<!doctype html><html lang="en"><head><meta charset="utf-8"><title>floor</title>
<style>body{margin:0;background:#008080}.label{position:absolute;left:419px;top:195px;font:11px "Yarno 13";}</style>
</head><body><div class="label">What's you name?</div><script>
const face = new FontFace('Yarno 13', Uint8Array.fromBase64('${face}'), { weight: '400' });
document.fonts.add(face);
window.yarnoShown = face.loaded.then(() => document.fonts.ready);
</script></body></html>\n`);
}

// The first contentful paint, as the browser reports it: the Sport window's first frame on the
// page, the label's on the floor. And, on the page, the frame after the program runs: a mark
// two frames after the page says the program has started.
const AFTER_START = 'bench: the frame after the start';
async function startup(browser, url) {
    const page = await browser.newPage();
    await page.addInitScript((mark) => {
        addEventListener('yarnoready', () => requestAnimationFrame(() => requestAnimationFrame(() => performance.mark(mark))),
            { once: true });
    }, AFTER_START);
    await page.goto(url);
    const t = await page.evaluate(async (mark) => {
        let ready;
        // Until the mark while the program is on its way (it has made its desktop); half a second without it.
        for (let i = 0; !ready && (i < 100 || window.yarnoReady); i++) {
            ready = performance.getEntriesByName(mark)[0]?.startTime;
            if (!ready) await new Promise((r) => setTimeout(r, 5));
        }
        await window.yarnoShown;
        let paint;
        for (let i = 0; i < 100 && !paint; i++) {
            await new Promise((r) => requestAnimationFrame(() => setTimeout(r, 0)));
            paint = performance.getEntriesByType('paint').find((e) => e.name === 'first-contentful-paint');
        }
        return { shown: paint ? paint.startTime : NaN, ready: ready ?? NaN };
    }, AFTER_START);
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
    writeFloor();
    // The page without its program: what drawing the Sport window costs on its own.
    fs.writeFileSync(WINDOW_ONLY, html.replace(/<script type="text\/plain" id="(program|module)">[\s\S]*?<\/script>/g, ''));
    const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', headless: true,
        args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update', '--disable-sync', '--no-first-run'] });
    const urls = { yarno: pathToFileURL(PAGE).href, floor: pathToFileURL(FLOOR).href, window: pathToFileURL(WINDOW_ONLY).href };
    const runs = { yarno: [], floor: [], window: [] };
    for (let i = 0; i < PAIRS; i++) {
        const order = [['yarno', 'floor', 'window'], ['floor', 'window', 'yarno'], ['window', 'yarno', 'floor']][i % 3];
        for (const which of order) runs[which].push(await startup(browser, urls[which]));
    }
    const ratios = runs.yarno.map((r, i) => r.shown / runs.floor[i].shown);
    const ofWindow = median(runs.yarno.map((r, i) => r.shown / runs.window[i].shown));
    const submit = await submitFrames(browser, urls.yarno, 30);
    await browser.close();
    const bytes = Buffer.byteLength(html);
    const gz = zlib.gzipSync(html, { level: 9 }).length;
    const ratio = median(ratios);
    console.log(`\n| measure (Chromium, ${PAIRS} pairs, medians) | yarno | floor |\n|---|---|---|`);
    console.log(`| start to the first paint of the Sport window (floor: of its label) | ${ms(median(runs.yarno.map((r) => r.shown)))} | ${ms(median(runs.floor.map((r) => r.shown)))} |`);
    console.log(`| the same, the page without its program | ${ms(median(runs.window.map((r) => r.shown)))} | |`);
    console.log(`| start to the frame after the program runs | ${ms(median(runs.yarno.map((r) => r.ready)))} | |`);
    console.log(`| median ratio yarno / floor (goal <= 1.10) | ${ratio.toFixed(2)} | |`);
    console.log(`| median ratio yarno / the page without its program | ${ofWindow.toFixed(2)} | |`);
    console.log(`| Submit to the second frame (30 clicks) | ${ms(median(submit))} | |`);
    console.log(`| file size | ${bytes} B (${gz} B gzipped) | ${fs.statSync(FLOOR).size} B |`);
    console.log(ratio <= 1.10 ? '\nstart-up within the goal' : '\nstart-up over the goal of 1.10');
})().catch((e) => { console.error(e); process.exit(1); });
