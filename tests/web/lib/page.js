// The page as the scenarios drive it, over Playwright (Chromium, the phone) or Puppeteer
// (Firefox): a person's steps become real clicks, taps and keys, and what they see and hear is
// read by the probe inside the page (probe.js).
const fs = require('node:fs');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { installProbe } = require('./probe');

const ROOT = path.resolve(__dirname, '../../..');
const PAGE = path.resolve(ROOT, process.env.YARNO_PAGE || 'build-web/yarno.html');
// Built beside the page: the window Broken alone (tests/web/error_probe.cpp).
const PROBE = path.join(path.dirname(PAGE), 'error_probe.html');
const AXE = require.resolve('axe-core/axe.min.js');
const NAMES = { Form1: 'Sport', Form2: 'About', Form3: 'Lottery', Form9: 'Broken' };
// The behaviour table's one reader, built beside the page (tests/web/scenario_table.cpp).
const table = () => require(path.join(path.dirname(PAGE), 'scenario_table.js'));

// The table's key names as the automation libraries name them: "Ctrl+N" is "Control+n".
const keyNames = (keys) => keys.replace(/^Ctrl\+/, 'Control+').replace(/\b(Down|Up|Left|Right)$/, 'Arrow$1')
    .replace(/\+([A-Z])$/, (_, k) => `+${k.toLowerCase()}`);

// What differs between the two automation libraries, and between a mouse and a finger.
function playwrightPage(page, { touch = false } = {}) {
    return {
        page,
        goto: (url) => page.goto(url),
        eval: (fn, arg) => page.evaluate(fn, arg),
        clickAt: ({ x, y }) => (touch ? page.touchscreen.tap(x, y) : page.mouse.click(x, y)),
        press: (keys) => page.keyboard.press(keyNames(keys)),
        type: (text) => page.keyboard.type(text),
        insert: (text) => page.keyboard.insertText(text),
        injectAxe: () => page.addScriptTag({ path: AXE }),
        onProblem: (report) => {
            page.on('dialog', (d) => { report(`a browser dialog: ${d.message()}`); d.dismiss().catch(() => {}); });
            page.on('pageerror', (e) => report(`an error in the page: ${e.message}`));
        },
    };
}

function puppeteerPage(page) {
    return {
        page,
        goto: (url) => page.goto(url),
        eval: (fn, arg) => page.evaluate(fn, arg),
        clickAt: ({ x, y }) => page.mouse.click(x, y),
        async press(keys) {
            const held = keyNames(keys).split('+');
            const key = held.pop();
            for (const m of held) await page.keyboard.down(m);
            await page.keyboard.press(key === 'Space' ? ' ' : key);
            for (const m of held.reverse()) await page.keyboard.up(m);
        },
        type: (text) => page.keyboard.type(text),
        // BiDi sends one character at a time; a long text goes in as a paste would.
        insert: (text) => page.evaluate((t) => document.execCommand('insertText', false, t), text),
        // Firefox offers no CSP bypass here, so axe comes in as evaluated source, not a script tag.
        injectAxe: () => page.evaluate(fs.readFileSync(AXE, 'utf8')),
        onProblem: (report) => {
            page.on('dialog', (d) => { report(`a browser dialog: ${d.message()}`); d.dismiss().catch(() => {}); });
            page.on('pageerror', (e) => report(`an error in the page: ${e.message}`));
        },
    };
}

// Waits for the page's own follow-ups (a box handing the focus back, the end screen after it).
const settle = (p) => p.eval(() => new Promise((r) => setTimeout(() => setTimeout(r, 0), 0)));
const probe = (p, method, ...args) => p.eval(([m, a]) => window.yarnoProbe[m](...a), [method, args]);

async function open(p, file = PAGE) {
    await p.goto(pathToFileURL(file).href);
    const ready = await p.eval(async () => {
        for (let i = 0; i < 400 && !window.yarnoReady; i++) await new Promise((r) => setTimeout(r, 25));
        return !!(await window.yarnoReady);
    });
    if (!ready) throw new Error('window.yarnoReady never came');
    await watch(p);
}

// From now on the probe notes what comes and goes; call it once the program is running.
const watch = (p) => p.eval(installProbe, NAMES);

// The scenario player's driver (play.js) on one page.
function driver(p) {
    const problems = [];
    p.onProblem((what) => problems.push(what));
    async function click(window, what) {
        let { at, raise } = await probe(p, 'point', window, what);
        if (raise) {
            await p.clickAt(raise); // a person brings the window to the front first
            ({ at } = await probe(p, 'point', window, what));
        }
        if (!at) throw new Error(`${window ?? 'the page'}: ${JSON.stringify(what)} is covered`);
        await p.clickAt(at);
        await settle(p);
    }
    return {
        problems,
        start(broken) {
            problems.length = 0;
            return open(p, broken ? PROBE : PAGE);
        },
        async type(window, n, text) {
            await click(window, { box: n });
            const had = await probe(p, 'select', window, n);
            if (text === '' && had !== '') await p.press('Backspace');
            else if (/^[ -~]{1,200}$/.test(text)) await p.type(text);
            else if (text !== '') await p.insert(text);
            await settle(p);
        },
        click: (window, caption) => click(window, { caption }),
        async choose(window, menu, item) {
            await click(window, { menu });
            await click(window, { item: [menu, item] });
        },
        close: (window) => click(window, { close: true }),
        focus: (window, target) => probe(p, 'focus', window, /^\d$/.test(target) ? { box: Number(target) } : { caption: target }),
        async press(window, keys) {
            if (!(await probe(p, 'focusIn', window))) throw new Error(`the focus is not in ${window}`);
            await p.press(keys);
            await settle(p);
        },
        dismiss: () => click(null, { ok: true }),
        playAgain: () => click(null, { again: true }),
        windows: () => probe(p, 'windows'),
        answers: (window) => probe(p, 'answers', window),
        story: (window) => probe(p, 'story', window),
        labels: (window) => probe(p, 'labels', window),
        spoken: () => probe(p, 'spoken'),
        box: () => probe(p, 'box'),
        ended: () => probe(p, 'ended'),
        focused: (window) => probe(p, 'focused', window),
        changes: () => probe(p, 'changes'),
    };
}

module.exports = { ROOT, PAGE, PROBE, table, playwrightPage, puppeteerPage, open, watch, driver };
