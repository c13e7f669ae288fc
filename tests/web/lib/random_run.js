// A seeded run of real clicks and keys, checked after every step against a small model of what
// the program should be doing: which windows are loaded and showing, what each story window holds.
const assert = require('node:assert/strict');
const y = require('./yarno');

const SEED = Number(process.env.YARNO_SEED || 20000922);
const STEPS = Number(process.env.YARNO_STEPS || 150);

function rng(seed) {
    let s = seed >>> 0;
    return () => { s = (s + 0x6d2b79f5) >>> 0; let t = Math.imul(s ^ (s >>> 15), 1 | s); t ^= t + Math.imul(t ^ (t >>> 7), 61 | t); return ((t ^ (t >>> 14)) >>> 0) / 2 ** 32; };
}

class Model {
    constructor() { this.fresh(); }
    fresh() { this.w = {}; this.ended = false; this.show('Form1'); }
    ref(f) { return (this.w[f] ??= { visible: false, values: ['', '', '', '', '', ''], told: null }); }
    show(f) { this.ref(f).visible = true; }
    hide(f) { this.ref(f).visible = false; }
    unload(f) { delete this.w[f]; }
    settle() { if (!Object.values(this.w).some((x) => x.visible)) { this.ended = true; this.w = {}; } }
    get visible() { return Object.keys(this.w).filter((f) => this.w[f].visible).sort(); }
}

// What each control does to the model; the keys are the controls' data-names per window.
const ACTS = {
    Form1: { Command1: 'submit', mNew: 'new', Command2: 'unload', mExit: 'unload', close: 'unload', mAbout: 'show Form2',
        Sport: 'show Form1, hide Form3', lottery: 'show Form3, hide Form1' },
    Form3: { Command1: 'submit', new: 'new', Command2: 'unload', exit: 'unload', close: 'unload', about: 'show Form2',
        sport: 'hide Form3, show Form1', lottery: 'show Form3, hide Form1', maximise: '' },
    Form2: { Command1: 'hide Form3, hide Form2, show Form1', Command2: 'hide Form1, hide Form2, show Form3', close: 'unload', Label3: '' },
};
const MENU_OF = { mNew: 'Menu', mAbout: 'Menu', mExit: 'Menu', Sport: 'Story', lottery: 'Story', new: 'menu', about: 'menu', exit: 'menu', sport: 'story' };
const KEYS = { Form1: { 'Control+n': 'mNew', 'Control+a': 'mAbout', F1: 'Sport', F2: 'lottery', 'Alt+s': 'Command1' },
    Form3: { 'Control+n': 'new', 'Control+a': 'about', F1: 'sport', F2: 'lottery' } };

function apply(m, form, name) {
    for (const act of ACTS[form][name].split(', ').filter(Boolean)) {
        const [verb, target] = act.split(' ');
        const w = m.w[form];
        if (verb === 'submit') w.told = w.values.slice();
        else if (verb === 'new') { w.values = w.values.map(() => ''); w.told = null; }
        else if (verb === 'unload') m.unload(form);
        else m[verb](target);
    }
    m.settle();
}

// One step: a person picks a showing window and does one thing in it.
async function randomStep(d, m, pick) {
    if (m.ended) { await d.click('#ended button'); m.fresh(); return 'Play again'; }
    const form = pick(m.visible);
    const r = pick([0, 1, 2, 2, 2]);
    if (form !== 'Form2' && r === 0) {
        const i = pick([1, 2, 3, 4, 5, 6]);
        const word = pick(['Sam', 'x', 'Ann Lee', '7', '']);
        await d.click(y.ctl(form, `Text${i}`));
        await d.press('End');
        await d.type(word);
        m.w[form].values[i - 1] += word;
        return `${form} Text${i} += "${word}"`;
    }
    if (form !== 'Form2' && r === 1) {
        const key = pick(Object.keys(KEYS[form]));
        await d.click(y.ctl(form, 'Text1'));
        await d.press(key);
        apply(m, form, KEYS[form][key]);
        return `${form} ${key}`;
    }
    // About is offered more often: faults of unloading show when another window outlives the exit.
    const name = pick([...Object.keys(ACTS[form]), 'mAbout', 'about', 'about'].filter((n) => n in ACTS[form]));
    if (MENU_OF[name]) await y.menu(d, form, form === 'Form3' ? MENU_OF[name].toLowerCase() : MENU_OF[name], name);
    else if (name === 'close') await d.click(`#${form} .titlebar button.close`);
    else if (name === 'maximise') {
        // Maximised, the Lottery window covers the others until it is restored.
        await d.click(`#${form} .titlebar button.maximise`);
        await d.click(`#${form} .titlebar button.maximise`);
    }
    else await d.click(y.ctl(form, name));
    if (name === 'Label3') await d.click('dialog.box button');
    apply(m, form, name);
    return `${form} ${name}`;
}

async function compare(d, m, history) {
    const seen = await y.look(d);
    const want = { visible: m.visible, ended: m.ended, forms: {} };
    for (const f of m.visible) {
        const w = m.w[f];
        if (f === 'Form2') continue;
        const slot = await d.eval((sel) => document.querySelector(sel)?.textContent, y.ctl(f, 'Label8'));
        want.forms[f] = { values: w.values, told: !!w.told, name: w.told ? w.told[0] : slot };
        seen.forms[f] = { values: seen.forms[f].values, told: seen.forms[f].rows.length > 0, name: slot };
    }
    assert.deepEqual(seen, want, `after: ${history.slice(-6).join(' | ')}`);
}

async function randomRun(d, log = console.log) {
    log(`random run: seed ${SEED}, ${STEPS} steps (YARNO_SEED, YARNO_STEPS to change)`);
    const next = rng(SEED);
    const pick = (xs) => xs[Math.floor(next() * xs.length)];
    const m = new Model();
    const history = [];
    await compare(d, m, ['start']);
    for (let i = 0; i < STEPS; i++) {
        history.push(`${i + 1}: ${await randomStep(d, m, pick)}`);
        await compare(d, m, history);
    }
}

module.exports = { randomRun };
