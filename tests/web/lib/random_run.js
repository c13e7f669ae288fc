// A seeded run of random steps on the page, checked after each one against what the shared model
// (tests/scenarios/model.txt, read as the C++ random run reads it) says a person should see.
const fs = require('node:fs');
const path = require('node:path');
const { FOLDER, split, blocks } = require('./table');

const SEED = Number(process.env.YARNO_SEED || 20000922);
const STEPS = Number(process.env.YARNO_STEPS || 150);
const WORDS = ['Sam', 'x', 'Ann Lee', '7', ''];
// Keys the browsers keep for themselves (tests/web/KEYS.md), so a person cannot press them here.
const KEPT = ['Ctrl+N'];

function readModel(file = path.join(FOLDER, 'model.txt')) {
    const model = { windows: {}, start: null };
    const of = (w) => (model.windows[w] ??= { story: null, does: {}, keys: {}, tab: [] });
    for (const block of blocks(fs.readFileSync(file, 'utf8'), 'model.txt')) {
        const [verb, w, ...rest] = split(block.head);
        if (verb.text === 'window') of(w.text).hasStory = rest[0]?.text === 'story';
        else if (verb.text === 'start') model.start = w.text;
        else if (verb.text === 'story') of(w.text).story = block.lines.map((l) => split(l.text).slice(1));
        else if (verb.text === 'does') of(w.text).does[rest[0].text] = effects(rest.slice(1));
        else if (verb.text === 'keys') of(w.text).keys[rest[0].text] = rest[1].text;
        else if (verb.text === 'tab') of(w.text).tab = rest.map((x) => x.text);
        else throw new Error(`model.txt:${block.number}: no such line: ${block.head}`);
    }
    return model;
}

// "show About hide Sport" as [['show', 'About'], ['hide', 'Sport']]; tell, clear, unload and nothing take no word.
function effects(words) {
    const out = [];
    for (let i = 0; i < words.length; i++) {
        const verb = words[i].text;
        out.push(['show', 'hide', 'notice'].includes(verb) ? [verb, words[++i].text] : [verb]);
    }
    return out;
}

// What a person expects of each window: on screen or not, its answers, the answers it was told with.
class Expected {
    constructor(model) {
        this.model = model;
        this.w = {};
        this.ended = null;
        this.show(model.start);
    }
    of(w) { return (this.w[w] ??= { visible: false, answers: ['', '', '', '', '', ''], told: null }); }
    show(w) { this.of(w).visible = true; }
    hide(w) { if (this.w[w]) this.w[w].visible = false; }
    get onScreen() { return Object.keys(this.w).filter((w) => this.w[w].visible).sort(); }
    apply(w, control) {
        let notice = null;
        for (const [verb, arg] of this.model.windows[w].does[control]) {
            if (verb === 'tell') this.w[w].told = this.w[w].answers.slice();
            else if (verb === 'clear') Object.assign(this.w[w], { answers: ['', '', '', '', '', ''], told: null });
            else if (verb === 'show') this.show(arg);
            else if (verb === 'hide') this.hide(arg);
            else if (verb === 'unload') delete this.w[w];
            else if (verb === 'notice') notice = arg;
        }
        if (!this.onScreen.length) this.ended = 0;
        return notice;
    }
    story(w) {
        const told = this.w[w].told;
        return told ? this.model.windows[w].story.map((row) => row.map((p) => (p.quoted ? p.text : told[Number(p.text) - 1]))) : [];
    }
}

function rng(seed) {
    let s = seed >>> 0;
    return () => { s = (s + 0x6d2b79f5) >>> 0; let t = Math.imul(s ^ (s >>> 15), 1 | s); t ^= t + Math.imul(t ^ (t >>> 7), 61 | t); return ((t ^ (t >>> 14)) >>> 0) / 2 ** 32; };
}

// One thing a person does in window w, and what the model then expects; returns its description.
async function randomStep(d, e, w, pick) {
    const win = e.model.windows[w];
    const kind = pick(win.hasStory ? ['type', 'type', 'control', 'control', 'key'] : ['control', 'control', 'key']);
    if (kind === 'type') {
        const n = pick([1, 2, 3, 4, 5, 6]);
        const word = pick(WORDS);
        await d.type(w, n, word);
        e.w[w].answers[n - 1] = word;
        return `type ${w} ${n} "${word}"`;
    }
    const keys = Object.keys(win.keys).filter((k) => !KEPT.includes(k));
    if (kind === 'key' && keys.length) {
        const key = pick(keys);
        await d.focus(w, win.tab[0]);
        await d.press(w, key);
        e.apply(w, win.keys[key]);
        return `press ${w} ${key}`;
    }
    const control = pick(Object.keys(win.does));
    if (control === 'close') await d.close(w);
    else if (control.includes(' > ')) await d.choose(w, ...control.split(' > '));
    else await d.click(w, control);
    const notice = e.apply(w, control);
    if (notice !== null) {
        const box = await d.box();
        if (box?.prompt !== notice) throw new Error(`after ${w} ${control}: expected the box "${notice}", saw ${JSON.stringify(box)}`);
        await d.dismiss();
    }
    return `${w} ${control}`;
}

async function compare(d, e, history) {
    const seen = { windows: (await d.windows()).sort(), ended: await d.ended(), told: {} };
    const want = { windows: e.onScreen, ended: e.ended, told: {} };
    for (const w of e.onScreen.filter((x) => e.model.windows[x].hasStory)) {
        seen.told[w] = { answers: await d.answers(w), story: (await d.story(w)).rows };
        want.told[w] = { answers: e.w[w].answers, story: e.story(w) };
    }
    if (JSON.stringify(seen) !== JSON.stringify(want)) {
        throw new Error(`after ${history.slice(-6).join(' | ')}:\nexpected ${JSON.stringify(want)}\nsaw      ${JSON.stringify(seen)}`);
    }
}

async function randomRun(d, log = console.log) {
    log(`random run: seed ${SEED}, ${STEPS} steps (YARNO_SEED, YARNO_STEPS to change)`);
    const model = readModel();
    const next = rng(SEED);
    const pick = (xs) => xs[Math.floor(next() * xs.length)];
    let e = new Expected(model);
    const history = ['start'];
    await d.start(false);
    await compare(d, e, history);
    for (let i = 1; i <= STEPS; i++) {
        if (e.ended !== null) {
            await d.playAgain(); // the page's end screen starts a new run
            e = new Expected(model);
            history.push(`${i}: play again`);
        } else {
            history.push(`${i}: ${await randomStep(d, e, pick(e.onScreen), pick)}`);
        }
        await compare(d, e, history);
    }
    if (d.problems.length) throw new Error(d.problems.join('\n'));
}

module.exports = { randomRun, readModel };
