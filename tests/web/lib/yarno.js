// What the phone's and the ink's suites share, on Playwright's Chromium: where the page is, the
// example answers and stories, and in-page probes that read the windows by their controls' names.
// The scenarios have their own driver (page.js).
const { pathToFileURL } = require('node:url');
const { ROOT, PAGE, table } = require('./page');

const URL = pathToFileURL(PAGE).href;
const AXE = require.resolve('axe-core/axe.min.js');

const SPORT = {
    form: 'Form1',
    answers: ['Sam', 'tennis', 'the Lions', 'ball', 'nose', 'clown'],
    rows: [
        ['One day', 'Sam', 'was playing', 'tennis', 'with', 'the Lions'],
        ['when a', 'ball', 'hit', 'Sam', 'in the', 'nose'],
        ['Sam', 'got up, walked over to the person that had thrown that', 'ball'],
        ['called him a', 'clown', 'and shot him.'],
        ['The end.'],
    ],
    storyLabels: range(7, 25),
};

const LOTTERY = {
    form: 'Form3',
    answers: ['Ann', '42', 'she', 'bus', 'cake', 'thanks'],
    rows: [
        ['One day', 'Ann', 'was out shopping and decided to buy a lottery ticket.', 'When', 'she'],
        ['came home', 'she', 'turned on the TV and watched the lottery. In amazement,', 'Ann'],
        ['realised', 'she', 'had won $', '42', ',000,000,000 !!', 'Ann'],
        ['went out and bought a brand new', 'bus', 'Then', 'she', 'bought a'],
        ['cake', 'for everyone else that he knew.', 'One girl called', 'Ann'],
        ['a', 'thanks', 'and they all lived happily ever after...'],
        ['The end.'],
    ],
    storyLabels: range(7, 34),
};
const STORIES = { Form1: SPORT, Form3: LOTTERY };

function range(from, to) {
    return Array.from({ length: to - from + 1 }, (_, i) => `Label${from + i}`);
}

const ctl = (form, name) => `#${form} .client [data-name="${name}"]`;
const menuItem = (form, name) => `#${form} [role=menuitem][data-name="${name}"]`;

function playwrightDriver(page) {
    const d = {
        browser: 'chromium',
        page,
        click: (sel) => page.click(sel, { timeout: 5000 }),
        tap: (sel) => page.tap(sel, { timeout: 5000 }),
        press: (combo) => page.keyboard.press(combo),
        type: (text) => page.keyboard.type(text),
        insert: (text) => page.keyboard.insertText(text),
        eval: (fn, arg) => page.evaluate(fn, arg),
        injectAxe: () => page.addScriptTag({ path: AXE }),
    };
    return d;
}

// page: a file, or the address of a served page.
async function open(d, page = PAGE) {
    if (page !== null) await d.page.goto(/^https?:/.test(page) ? page : pathToFileURL(page).href);
    const ready = await d.eval(async () => {
        for (let i = 0; i < 400 && !window.yarnoReady; i++) await new Promise((r) => setTimeout(r, 25));
        await window.yarnoReady;
        return !!window.yarnoReady;
    });
    if (!ready) throw new Error('window.yarnoReady never came');
}

// Everything a person could tell from the screen: which windows show, whether the end screen does,
// and for each showing story window its answers and its story as read row by row.
function look(d) {
    return d.eval((stories) => {
        const shown = (el) => !!el && el.checkVisibility({ visibilityProperty: true, opacityProperty: true });
        const out = { visible: [], ended: shown(document.querySelector('#ended')), forms: {} };
        for (const w of document.querySelectorAll('.window')) {
            if (!shown(w)) continue;
            out.visible.push(w.id);
            const story = stories[w.id];
            if (!story) continue;
            const values = [1, 2, 3, 4, 5, 6].map((i) => w.querySelector(`.client input[data-name="Text${i}"]`)?.value);
            const labels = story
                .map((n) => w.querySelector(`.client .label[data-name="${n}"]`))
                .filter(shown)
                .map((el) => ({ r: el.getBoundingClientRect(), text: el.textContent }))
                .sort((a, b) => a.r.top - b.r.top || a.r.left - b.r.left);
            const rows = [];
            let top = -Infinity;
            for (const l of labels) {
                if (l.r.top - top > 2) rows.push([]);
                top = Math.max(top, l.r.top);
                rows[rows.length - 1].push(l);
            }
            out.forms[w.id] = { values, rows: rows.map((row) => row.sort((a, b) => a.r.left - b.r.left).map((l) => l.text)) };
        }
        out.visible.sort();
        return out;
    }, Object.fromEntries(Object.entries(STORIES).map(([f, s]) => [f, s.storyLabels])));
}

// On a narrow screen the windows flow, and each row of a story reads as one line of text, joined
// as the behaviour table's reader joins it (tests/scenarios/README.md).
const storyLines = (story) => story.rows.map((row) => table().oneLine(row));
const flowLines = (d, form) => d.eval((f) => [...document.querySelectorAll(`#${f} .line`)]
    .filter((l) => l.checkVisibility()).map((l) => l.textContent), form);

async function fill(d, form, answers) {
    for (let i = 0; i < answers.length; i++) {
        await d.click(ctl(form, `Text${i + 1}`));
        await d.press('End');
        await d.type(answers[i]);
    }
}

async function tell(d, form, answers = STORIES[form].answers) {
    await fill(d, form, answers);
    await d.click(ctl(form, 'Command1'));
}

async function menu(d, form, top, item) {
    await d.click(menuItem(form, top));
    await d.click(menuItem(form, item));
}

const focused = (d) => d.eval(() => {
    const a = document.activeElement;
    return a ? `${a.closest('.window')?.id ?? ''}:${a.dataset?.name ?? a.tagName}` : '';
});

async function axe(d) {
    if (!(await d.eval(() => !!window.axe))) await d.injectAxe();
    const violations = await d.eval(async () => (await window.axe.run(document, { resultTypes: ['violations'] })).violations
        .map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`));
    return violations;
}

module.exports = { URL, PAGE, ROOT, SPORT, LOTTERY, STORIES, ctl, menuItem, playwrightDriver, open, look, storyLines, flowLines, tell,
    menu, focused, axe };
